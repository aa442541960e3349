#include "reading_saver.h"

#include "card_painter.h"
#include "korvane_identity.h"
#include "platform.h"
#include "shown_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace korvane {
namespace {

enum class SavedKind { Picture, Pdf };

bool Write(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

void SaveReading(QWidget* parent, const Reading& reading) {
    Platform& platform = ThePlatform();
    const QString product = QStringLiteral(KORVANE_PRODUCT_NAME);
    const QList<FileKind> kinds = {
        {ShownText(TextId::SavePicture).arg(QStringLiteral("*.png")), QStringLiteral("png")},
        {ShownText(TextId::SavePdf).arg(QStringLiteral("*.pdf")), QStringLiteral("pdf")},
    };
    // The name the web page gives its picture.
    const QString suggested = QDir(platform.UserFolderPath(UserFolder::Pictures))
                                  .filePath(product.toLower() + QStringLiteral("-reading.png"));
    const auto answer =
        platform.AskWhereToSave(parent, ShownText(TextId::SaveTitle), suggested, kinds);
    if (!answer)
        return;
    // A name that ends in a kind's suffix is that kind, whatever was chosen.
    const QString suffix = QFileInfo(answer->path).suffix().toLower();
    const SavedKind kind =
        suffix == kinds[1].suffix || (suffix != kinds[0].suffix && answer->kind == 1)
            ? SavedKind::Pdf
            : SavedKind::Picture;
    const std::string name = product.toStdString();
    const QByteArray bytes =
        kind == SavedKind::Picture
            ? PictureFile(PictureCard(reading, name))
            : PdfFile(PrintedPage(reading, name,
                                  platform.UsesLetterPaper() ? Paper::Letter : Paper::A4),
                      product);
    if (!Write(answer->path, bytes))
        platform.ShowMessage(
            parent, ShownText(TextId::SaveFailed).arg(QDir::toNativeSeparators(answer->path)),
            MessageIcon::Critical, MessageButtons::Ok);
}

} // namespace korvane
