#include "render/schrift.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <vector>

namespace {

// Windows Latin-1 differs from ISO Latin-1 in 0x80 ... 0x9F; 0 marks the unused codes.
constexpr uint16_t Zeichen80bis9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

uint32_t Unicode(int code) {
  if (code >= 0x80 && code < 0xA0) return Zeichen80bis9F[code - 0x80];
  return static_cast<uint32_t>(code);
}

// The font file of the face; the generic serif family follows it, so a missing face falls back
// to the closest serif rather than to the system's sans.
bool SchriftdateiSuchen(const TText& gesicht, std::string& datei, int& index, std::string& name) {
  if (!FcInit()) return false;
  FcPattern* muster = FcPatternCreate();
  std::string utf8 = Latin1NachUtf8(gesicht);
  if (!utf8.empty())
    FcPatternAddString(muster, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str()));
  FcPatternAddString(muster, FC_FAMILY, reinterpret_cast<const FcChar8*>("serif"));
  FcPatternAddInteger(muster, FC_WEIGHT, FcWeightFromOpenType(500));
  FcPatternAddInteger(muster, FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddBool(muster, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, muster, FcMatchPattern);
  FcDefaultSubstitute(muster);
  FcResult ergebnis = FcResultNoMatch;
  FcPattern* treffer = FcFontMatch(nullptr, muster, &ergebnis);
  FcPatternDestroy(muster);
  if (!treffer) return false;
  FcChar8* pfad = nullptr;
  FcChar8* familie = nullptr;
  bool gut = FcPatternGetString(treffer, FC_FILE, 0, &pfad) == FcResultMatch;
  if (gut) {
    datei = reinterpret_cast<const char*>(pfad);
    if (FcPatternGetInteger(treffer, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    if (FcPatternGetString(treffer, FC_FAMILY, 0, &familie) == FcResultMatch)
      name = reinterpret_cast<const char*>(familie);
  }
  FcPatternDestroy(treffer);
  return gut;
}

// One glyph as a glBitmap list: rows bottom-up, one bit per pixel, rows padded to whole bytes.
void GlyphListe(FT_Face face, uint32_t liste, uint32_t zeichen) {
  glNewList(liste, GL_COMPILE);
  FT_UInt glyph = zeichen ? FT_Get_Char_Index(face, zeichen) : 0;
  // Control codes take no room; other codes without a glyph show the font's missing-glyph box.
  if ((zeichen >= 0x20 && zeichen != 0x7F) || glyph != 0) {
    if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
      FT_GlyphSlot s = face->glyph;
      const FT_Bitmap& b = s->bitmap;
      int breite = static_cast<int>(b.width), hoehe = static_cast<int>(b.rows);
      int zeile = (breite + 7) / 8;
      std::vector<GLubyte> bits(static_cast<size_t>(zeile) * hoehe + 1, 0);
      for (int y = 0; y < hoehe; ++y) {
        const unsigned char* quelle = b.buffer + static_cast<ptrdiff_t>(y) * b.pitch;
        GLubyte* ziel = bits.data() + static_cast<size_t>(hoehe - 1 - y) * zeile;
        if (b.pixel_mode == FT_PIXEL_MODE_MONO) {
          for (int i = 0; i < zeile; ++i)
            ziel[i] = quelle[i];
        } else { // grey bitmap from a face that ignores the mono request
          for (int x = 0; x < breite; ++x)
            if (quelle[x] >= 128) ziel[x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
        }
      }
      glBitmap(breite, hoehe, static_cast<GLfloat>(-s->bitmap_left),
               static_cast<GLfloat>(hoehe - s->bitmap_top),
               static_cast<GLfloat>((s->advance.x + 32) >> 6), 0, bits.data());
    }
  }
  glEndList();
}

} // namespace

uint32_t SchriftErzeugen(const TText& gesicht, std::string* gewaehlt) {
  std::string datei, name;
  int index = 0;
  if (!SchriftdateiSuchen(gesicht, datei, index, name)) return 0;
  FT_Library bibliothek = nullptr;
  if (FT_Init_FreeType(&bibliothek)) return 0;
  FT_Face face = nullptr;
  if (FT_New_Face(bibliothek, datei.c_str(), index, &face)) {
    FT_Done_FreeType(bibliothek);
    return 0;
  }
  // Height 16 is the whole cell, ascender to descender, as the window system sizes fonts.
  FT_Size_RequestRec anfrage{};
  anfrage.type = FT_SIZE_REQUEST_TYPE_REAL_DIM;
  anfrage.height = 16 * 64;
  FT_Request_Size(face, &anfrage);

  uint32_t basis = glGenLists(256);
  if (basis != 0) {
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    for (int c = 0; c < 256; ++c)
      GlyphListe(face, basis + c, Unicode(c));
    glPopClientAttrib();
  }
  FT_Done_Face(face);
  FT_Done_FreeType(bibliothek);
  if (gewaehlt) *gewaehlt = name;
  return basis;
}

void SchriftFreigeben(uint32_t& schriftbasis) {
  if (schriftbasis) glDeleteLists(schriftbasis, 256);
  schriftbasis = 0;
}

namespace {

void Zeichenkette(uint32_t schriftbasis, int32_t x, int32_t y, const TText& text) {
  if (text.empty() || schriftbasis == 0) return;
  glPushAttrib(GL_LIST_BIT);
  glRasterPos2i(x, y);
  glListBase(schriftbasis);
  glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
  glPopAttrib();
}

} // namespace

void TextAusgeben(uint32_t schriftbasis, int32_t x, int32_t y, const TText& text) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glPushMatrix();
  glLoadIdentity();
  Zeichenkette(schriftbasis, x, y, text);
  glPopMatrix();
  glEnable(GL_DEPTH_TEST);
}

void TexteAusgeben(uint32_t schriftbasis, std::span<const TTextstelle> texte) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glPushMatrix();
  glLoadIdentity();
  for (const TTextstelle& t : texte)
    Zeichenkette(schriftbasis, t.x, t.y, t.Text);
  glPopMatrix();
  glEnable(GL_DEPTH_TEST);
}
