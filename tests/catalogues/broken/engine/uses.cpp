// Shows every text of the broken catalogues but k.unused.
TextId shown[] = {TextId::KKey,     TextId::KPlaceholder, TextId::KLines,
                  TextId::KChanged, TextId::KEmpty,       TextId::KFuzzy,
                  TextId::KMissing, TextId::KTwice,       TextId::KFormat};
