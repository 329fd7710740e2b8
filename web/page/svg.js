// Writes a display list as an SVG drawing of width x height pixels, with the same pens, dashes
// and text placement as the canvas player.
import { ITEM_LENGTH, OP, PICTURE_FONT, DEFAULT_GROWTH, growthAt, textMetrics, clipSegment } from './player.js';

const escapeXml = (s) => s.replace(/[<>&"]/g, (c) => ({ '<': '&lt;', '>': '&gt;', '&': '&amp;', '"': '&quot;' })[c]);
const svgColor = (n, i) => `rgb(${n[i] | 0},${n[i + 1] | 0},${n[i + 2] | 0})`;
const fixed = (v) => (Math.round(v * 100) / 100).toString();

// `imageHref(image)` gives an image item's pixels as a data: URL (the page makes PNGs).
export function displayListSvg(list, width, height, imageHref, measure) {
  const growth = list.referencePixels
    ? { longerSide: !!list.longerSide, referencePixels: list.referencePixels } : DEFAULT_GROWTH;
  const g = growthAt(growth, width, height);
  const penWidth = (w) => Math.max(1, Math.round(Math.max(1, w) * g));
  const font = textMetrics(growth, width, height);
  let [sx1, sy1, sx2, sy2] = [0, 0, list.widthTwips || 1, list.heightTwips || 1];
  const mapX = (x) => ((x - sx1) / (sx2 - sx1)) * width;
  const mapY = (y) => ((y - sy1) / (sy2 - sy1)) * height;
  const dash = (style, w) => ({ 1: [4, 2], 2: [1, 2], 3: [4, 2, 1, 2] })[style]?.map((d) => d * w).join(' ');
  const pen = (n, at, w, style) => {
    const d = dash(style, w);
    return `stroke="${svgColor(n, at)}" stroke-width="${w}"` +
      (d ? ` stroke-dasharray="${d}" stroke-linecap="butt"` : ' stroke-linecap="round"');
  };
  const out = [
    `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">`,
    `<rect width="${width}" height="${height}" fill="#fff"/>`,
    `<g font-family='${PICTURE_FONT}' font-size="${font.pixels}" stroke-linejoin="round">`,
  ];
  const n = list.nums;
  const m = 64;
  for (let i = 0; i < n.length; i += ITEM_LENGTH[n[i]]) {
    switch (n[i]) {
      case OP.scale: [sx1, sy1, sx2, sy2] = [n[i + 1], n[i + 2], n[i + 3], n[i + 4]]; break;
      case OP.line: {
        const w = penWidth(n[i + 8]);
        const cut = clipSegment(mapX(n[i + 1]), mapY(n[i + 2]), mapX(n[i + 3]), mapY(n[i + 4]),
          -m, -m, width + m, height + m);
        if (cut) {
          out.push(`<line x1="${fixed(cut[0])}" y1="${fixed(cut[1])}" x2="${fixed(cut[2])}" y2="${fixed(cut[3])}" ${pen(n, i + 5, w, n[i + 9])}/>`);
        }
        break;
      }
      case OP.circle: {
        const cx = mapX(n[i + 1]), cy = mapY(n[i + 2]);
        const r = (n[i + 3] * width) / Math.abs(sx2 - sx1);
        if (!Number.isFinite(r) || r > 1e6) break;
        const w = penWidth(n[i + 7]);
        const fill = n[i + 9] ? svgColor(n, i + 10) : 'none';
        if (!(n[i + 13] && n[i + 15])) {
          out.push(`<circle cx="${fixed(cx)}" cy="${fixed(cy)}" r="${fixed(r)}" fill="${fill}" ${pen(n, i + 4, w, n[i + 8])}/>`);
          break;
        }
        const turn = 2 * Math.PI;
        const fromCentre = n[i + 14] < 0, toCentre = n[i + 16] < 0;
        const start = Math.abs(n[i + 14]) % turn;
        let span = (Math.abs(n[i + 16]) % turn) - start;
        if (span < 0) span += turn;
        const at = (a) => `${fixed(cx + r * Math.cos(a))} ${fixed(cy - r * Math.sin(a))}`;
        let d = fromCentre ? `M${fixed(cx)} ${fixed(cy)} L${at(start)}` : `M${at(start)}`;
        d += ` A${fixed(r)} ${fixed(r)} 0 ${span > Math.PI ? 1 : 0} 0 ${at(start + span)}`;
        if (toCentre) d += ` L${fixed(cx)} ${fixed(cy)}`;
        const pie = fromCentre && toCentre;
        if (pie) d += ' Z';
        out.push(`<path d="${d}" fill="${pie ? fill : 'none'}" ${pen(n, i + 4, w, n[i + 8])}/>`);
        break;
      }
      case OP.pset: {
        const w = penWidth(n[i + 6]);
        out.push(`<rect x="${fixed(mapX(n[i + 1]) - w / 2)}" y="${fixed(mapY(n[i + 2]) - w / 2)}" width="${w}" height="${w}" fill="${svgColor(n, i + 3)}"/>`);
        break;
      }
      case OP.text: {
        const x = mapX(n[i + 1]), y = mapY(n[i + 2]) + font.ascent;
        const text = list.texts[n[i + 6]] ?? '';
        if (n[i + 7]) {
          const advance = measure ? measure(text, font.pixels) : text.length * font.pixels * 0.55;
          out.push(`<rect x="${fixed(x - 1)}" y="${fixed(y - font.ascent - 1)}" width="${fixed(advance + 2)}" height="${font.ascent + font.descent + 2}" fill="${svgColor(n, i + 8)}"/>`);
        }
        out.push(`<text x="${fixed(x)}" y="${fixed(y)}" fill="${svgColor(n, i + 3)}" xml:space="preserve">${escapeXml(text)}</text>`);
        break;
      }
      case OP.image: {
        const image = list.images[n[i + 7]];
        const x1 = mapX(n[i + 1]), y1 = mapY(n[i + 2]), x2 = mapX(n[i + 3]), y2 = mapY(n[i + 4]);
        if (!image) break;
        const sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
        out.push(`<image transform="translate(${fixed(x1)} ${fixed(y1)}) scale(${sx} ${sy})" width="${fixed(Math.abs(x2 - x1))}" height="${fixed(Math.abs(y2 - y1))}" preserveAspectRatio="none" href="${imageHref(image)}"/>`);
        break;
      }
      default: throw new Error(`display list: unknown op ${n[i]}`);
    }
  }
  out.push('</g></svg>');
  return out.join('\n');
}
