# Writes resources/qvrtomorvane.svg with its letters as outlines of DejaVu
# Serif Bold, so that the scalable icon does not depend on installed fonts.
# Needs python3-fonttools and fonts-dejavu-core:
#   /usr/bin/python3 resources/outline-letters.py > resources/qvrtomorvane.svg
from fontTools.ttLib import TTFont
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen

font = TTFont('/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf')
glyphs = font.getGlyphSet()
cmap = font.getBestCmap()
upm = font['head'].unitsPerEm

def text_path(text, size, center_x, baseline):
    scale = size / upm
    width = sum(glyphs[cmap[ord(c)]].width for c in text) * scale
    x = center_x - width / 2
    pen = SVGPathPen(glyphs, ntos=lambda v: ('%.2f' % v).rstrip('0').rstrip('.'))
    for c in text:
        g = glyphs[cmap[ord(c)]]
        g.draw(TransformPen(pen, (scale, 0, 0, -scale, x, baseline)))
        x += g.width * scale
    return pen.getCommands()

print('''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>QVRtoMorvane</title>
  <!-- "QVR" above a downward arrow above "MV", black serif capitals (DejaVu Serif Bold outlines) on a transparent background. -->
  <g fill="#000000">
    <path d="%s"/>
    <path d="M116 92 H140 V140 H164 L128 178 L92 140 H116 Z"/>
    <path d="%s"/>
  </g>
</svg>''' % (text_path('QVR', 76, 128, 78), text_path('MV', 76, 128, 248)))
