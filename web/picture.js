// The reading as a picture for chat apps (1080 × 1350), drawn in the page:
// the Kua number and the four purpose colours, the sign, its planet and its
// car colour, each colour with its swatch, under Korvane's name.
const PICTURE = { width: 1080, height: 1350, margin: 72 };
const kBand = 170;
const kRowsTop = 400;
const kRowHeight = 128;
const kCarTop = 1110;

// Where each swatch lies: the four purposes in their order, then the car colour.
export function swatchPlaces() {
  const m = PICTURE.margin;
  const purposes = [0, 1, 2, 3].map((i) => ({ x: m, y: kRowsTop + i * kRowHeight + 10, size: 100 }));
  return { purposes, car: { x: m, y: kCarTop + 10, size: 120 } };
}

// Writes one line, made smaller until it fits the width.
function write(ctx, text, x, y, size, bold, family) {
  const room = PICTURE.width - PICTURE.margin - x;
  let px = size;
  do {
    ctx.font = `${bold ? 'bold ' : ''}${px}px ${family}`;
    px -= 2;
  } while (ctx.measureText(text).width > room && px > 12);
  ctx.fillText(text, x, y);
}

function swatch(ctx, place, colour) {
  ctx.fillStyle = '#1f2f6b';
  ctx.fillRect(place.x - 4, place.y - 4, place.size + 8, place.size + 8);
  ctx.fillStyle = colour;
  ctx.fillRect(place.x, place.y, place.size, place.size);
}

async function draw(canvas, content) {
  const ctx = canvas.getContext('2d');
  const family = getComputedStyle(document.body).fontFamily;
  const m = PICTURE.margin;
  const places = swatchPlaces();
  ctx.fillStyle = '#446dd9';
  ctx.fillRect(0, 0, PICTURE.width, PICTURE.height);
  ctx.fillStyle = '#1f2f6b';
  ctx.fillRect(0, 0, PICTURE.width, kBand);
  const icon = new Image();
  icon.src = 'korvane-256.png';
  try {
    await icon.decode();
    ctx.drawImage(icon, m, (kBand - 96) / 2, 96, 96);
  } catch {
    // The name says whose picture it is, also without the icon.
  }
  ctx.fillStyle = '#ffffff';
  ctx.textBaseline = 'alphabetic';
  write(ctx, content.product, m + 124, 108, 64, true, family);
  write(ctx, content.heading, m, 245, 36, true, family);
  write(ctx, content.sections[1], m, 320, 34, true, family);
  write(ctx, `${content.kua[0]}: ${content.kua[1]}`, m, 370, 30, false, family);
  content.purposes.forEach((purpose, i) => {
    const top = kRowsTop + i * kRowHeight;
    swatch(ctx, places.purposes[i], purpose.colour);
    ctx.fillStyle = '#ffffff';
    write(ctx, purpose.label, m + 132, top + 42, 28, false, family);
    write(ctx, purpose.name, m + 132, top + 96, 44, true, family);
  });
  write(ctx, content.sections[0], m, 955, 34, true, family);
  content.facts.forEach(([label, value], i) =>
    write(ctx, `${label}: ${value}`, m, 1010 + i * 50, 32, false, family));
  swatch(ctx, places.car, content.car.colour);
  ctx.fillStyle = '#ffffff';
  write(ctx, content.car.label, m + 152, kCarTop + 50, 28, false, family);
  write(ctx, content.car.name, m + 152, kCarTop + 112, 48, true, family);
}

// Draws the picture, then hands it to the phone's share sheet where it takes
// files, or downloads it.
export async function savePicture(content) {
  const canvas = document.createElement('canvas');
  canvas.width = PICTURE.width;
  canvas.height = PICTURE.height;
  await draw(canvas, content);
  const blob = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
  if (!blob) return;
  const name = `${content.product.toLowerCase()}-reading.png`;
  const file = new File([blob], name, { type: 'image/png' });
  if (navigator.canShare?.({ files: [file] })) {
    try {
      await navigator.share({ files: [file], title: content.heading });
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
