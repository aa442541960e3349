// The reading as a picture for chat apps, painted from the engine's card: the
// same description of what goes where, in which size and colour, that the
// desktop program paints when it saves a reading. Texts come as phrases, put
// into the page's language; each is made smaller until it fits its place.
import { phrased } from './phrase.js';

// A text's lines within a width: paragraphs kept, words wrapped, and a word
// wider than the line (or a script without spaces) broken where it must.
function lines(ctx, text, width) {
  const out = [];
  for (const paragraph of text.split('\n')) {
    let line = '';
    for (const piece of paragraph.match(/\S+\s*|\s+/gu) ?? ['']) {
      if (ctx.measureText(line + piece).width <= width || !line) {
        line += piece;
      } else {
        out.push(line.trimEnd());
        line = piece;
      }
      while (ctx.measureText(line.trimEnd()).width > width && line.length > 1) {
        let cut = line.length - 1;
        while (cut > 1 && ctx.measureText(line.slice(0, cut)).width > width) --cut;
        out.push(line.slice(0, cut));
        line = line.slice(cut);
      }
    }
    out.push(line.trimEnd());
  }
  return out;
}

function paintText(ctx, item, text, family) {
  // Smaller by steps, down to two fifths of the size, until it fits.
  let size = item.size;
  let shown;
  for (; ; size -= item.size / 40) {
    ctx.font = `${item.bold ? 'bold ' : ''}${size}px ${family}`;
    shown = item.wrap ? lines(ctx, text, item.w) : [text];
    const widest = Math.max(...shown.map((line) => ctx.measureText(line).width));
    if ((widest <= item.w + 0.5 && shown.length * size * 1.2 <= item.h + 0.5) ||
      size - item.size / 40 < item.size * 0.4) break;
  }
  ctx.fillStyle = item.colour;
  ctx.textBaseline = 'top';
  shown.forEach((line, i) => ctx.fillText(line, item.x, item.y + i * size * 1.2));
}

function paintBox(ctx, item) {
  ctx.fillStyle = item.border ?? item.colour;
  ctx.fillRect(item.x, item.y, item.w, item.h);
  if (!item.border) return;
  const b = item.borderWidth;
  ctx.fillStyle = item.colour;
  ctx.fillRect(item.x + b, item.y + b, item.w - 2 * b, item.h - 2 * b);
}

// Paints the card on a canvas of its size; t(key) gives the page's texts.
export async function paintCard(canvas, card, t, family) {
  const ctx = canvas.getContext('2d');
  const icon = new Image();
  icon.src = 'korvane-256.png';
  const iconReady = icon.decode().then(() => true, () => false);
  for (const item of card.items) {
    if (item.k === 'box') paintBox(ctx, item);
    // The name says whose picture it is, also without the icon.
    else if (item.k === 'icon' && await iconReady) ctx.drawImage(icon, item.x, item.y, item.w, item.h);
    else if (item.k === 'text') paintText(ctx, item, phrased(item.text, t), family);
  }
}

// Paints the picture, then hands it to the phone's share sheet where it takes
// files, or downloads it under the name given.
export async function savePicture(card, t, { name, title }) {
  const canvas = document.createElement('canvas');
  canvas.width = card.width;
  canvas.height = card.height;
  await paintCard(canvas, card, t, getComputedStyle(document.body).fontFamily);
  const blob = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
  if (!blob) return;
  const file = new File([blob], name, { type: 'image/png' });
  if (navigator.canShare?.({ files: [file] })) {
    try {
      await navigator.share({ files: [file], title });
      return;
    } catch (error) {
      if (error.name === 'AbortError') return;
    }
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
