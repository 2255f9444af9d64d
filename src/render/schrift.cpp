#include "render/schrift.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The character each code draws; the five unused codes draw nothing.
uint32_t Unicode(int code) {
  return Unicodezeichen(static_cast<unsigned char>(code));
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

// One glyph rendered one bit per pixel. Control codes take no room and draw nothing; other
// codes without a glyph show the font's missing-glyph box.
TGlyphe GlypheRendern(FT_Face face, uint32_t zeichen) {
  TGlyphe g;
  FT_UInt glyph = zeichen ? FT_Get_Char_Index(face, zeichen) : 0;
  if ((zeichen < 0x20 || zeichen == 0x7F) && glyph == 0) return g;
  if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return g;
  FT_GlyphSlot s = face->glyph;
  const FT_Bitmap& b = s->bitmap;
  g.Vorhanden = true;
  g.Breite = static_cast<int32_t>(b.width);
  g.Hoehe = static_cast<int32_t>(b.rows);
  g.UrsprungX = -s->bitmap_left;
  g.UrsprungY = g.Hoehe - s->bitmap_top;
  g.Vorschub = static_cast<int32_t>((s->advance.x + 32) >> 6);
  const int zeile = (g.Breite + 7) / 8;
  g.Bits.assign(static_cast<size_t>(zeile) * g.Hoehe, 0);
  for (int y = 0; y < g.Hoehe; ++y) {
    const unsigned char* quelle = b.buffer + static_cast<ptrdiff_t>(y) * b.pitch;
    uint8_t* ziel = g.Bits.data() + static_cast<size_t>(g.Hoehe - 1 - y) * zeile;
    if (b.pixel_mode == FT_PIXEL_MODE_MONO) {
      for (int i = 0; i < zeile; ++i)
        ziel[i] = quelle[i];
    } else { // grey bitmap from a face that ignores the mono request
      for (int x = 0; x < g.Breite; ++x)
        if (quelle[x] >= 128) ziel[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  return g;
}

// The glyph as a glBitmap list (rows packed to whole bytes: the unpack alignment is 1); a code
// without a glyph gets an empty list.
void GlyphListe(const TGlyphe& g, uint32_t liste) {
  static const uint8_t Leer = 0;
  glNewList(liste, GL_COMPILE);
  if (g.Vorhanden)
    glBitmap(g.Breite, g.Hoehe, static_cast<GLfloat>(g.UrsprungX),
             static_cast<GLfloat>(g.UrsprungY), static_cast<GLfloat>(g.Vorschub), 0,
             g.Bits.empty() ? &Leer : g.Bits.data());
  glEndList();
}

} // namespace

uint32_t SchriftErzeugen(const TText& gesicht, std::string* gewaehlt, TGlyphen* glyphen,
                         int32_t hoehe) {
  if (glyphen) glyphen->clear();
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
  anfrage.height = std::clamp(hoehe, 1, 1024) * 64;
  FT_Request_Size(face, &anfrage);

  uint32_t basis = glGenLists(256);
  if (basis != 0) {
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    TGlyphen satz(256);
    for (int c = 0; c < 256; ++c) {
      satz[c] = GlypheRendern(face, Unicode(c));
      GlyphListe(satz[c], basis + c);
    }
    glPopClientAttrib();
    if (glyphen) *glyphen = std::move(satz);
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

namespace {

// A glyph placed in window pixels (x, y: its lower left corner).
struct TGesetzt {
  const TGlyphe* Glyphe;
  int32_t x, y;
};

// Window pixels, left and bottom inclusive, right and top exclusive.
struct TFenster {
  int32_t Links = 0, Unten = 0, Rechts = 0, Oben = 0;
  int64_t Flaeche() const { return int64_t{Rechts - Links} * (Oben - Unten); }
};

TFenster Vereinigung(const TFenster& a, const TFenster& b) {
  return {std::min(a.Links, b.Links), std::min(a.Unten, b.Unten), std::max(a.Rechts, b.Rechts),
          std::max(a.Oben, b.Oben)};
}

// A group of glyphs set into one bitmap is held to this side, as an image the rasteriser takes.
constexpr int32_t GroessteSeite = 2048;
// A text joins the group before it while the group's bitmap grows by at most this many pixels
// that neither shows: about the cost of drawing a few glyphs one by one.
constexpr int64_t Verschnitt = 2048;

// Places the glyphs of text as glBitmap would from the raster position at logical (x, y): each
// at the floor of the raster position less its origin (GL rounds with a small allowance, which
// keeps a position computed as 29.99999 on pixel 30), then advances. False when the position
// falls outside the view, where GL draws nothing of the text.
bool Setzen(const TGlyphen& glyphen, const TTextstelle& t, std::vector<TGesetzt>& gesetzt,
            TFenster& rahmen) {
  glRasterPos2i(t.x, t.y);
  GLboolean gueltig = GL_FALSE;
  glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &gueltig);
  if (!gueltig) return false;
  GLfloat lage[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, lage);
  constexpr float Zugabe = 0.0001f;
  float rx = lage[0];
  const float ry = lage[1];
  bool leer = true;
  for (unsigned char c : t.Text) {
    const TGlyphe& g = glyphen[c];
    if (g.Breite > 0 && g.Hoehe > 0) {
      const TGesetzt s{&g, static_cast<int32_t>(std::floor(rx + Zugabe - g.UrsprungX)),
                       static_cast<int32_t>(std::floor(ry + Zugabe - g.UrsprungY))};
      const TFenster f{s.x, s.y, s.x + g.Breite, s.y + g.Hoehe};
      rahmen = leer ? f : Vereinigung(rahmen, f);
      leer = false;
      gesetzt.push_back(s);
    }
    rx += static_cast<float>(g.Vorschub);
  }
  return !leer;
}

// Sets the glyphs into one bitmap over rahmen and draws it there.
void Bitmapzeichnen(std::span<const TGesetzt> gesetzt, const TFenster& rahmen) {
  const int32_t breite = rahmen.Rechts - rahmen.Links, hoehe = rahmen.Oben - rahmen.Unten;
  const int32_t zeile = (breite + 7) / 8;
  std::vector<uint8_t> bits(static_cast<size_t>(zeile) * hoehe, 0);
  for (const TGesetzt& s : gesetzt) {
    const TGlyphe& g = *s.Glyphe;
    const int32_t glyphzeile = (g.Breite + 7) / 8;
    for (int32_t y = 0; y < g.Hoehe; ++y) {
      const uint8_t* quelle = g.Bits.data() + static_cast<size_t>(y) * glyphzeile;
      uint8_t* ziel = bits.data() + static_cast<size_t>(s.y - rahmen.Unten + y) * zeile;
      for (int32_t x = 0; x < g.Breite; ++x)
        if (quelle[x / 8] & (0x80 >> (x % 8))) {
          const int32_t z = s.x - rahmen.Links + x;
          ziel[z / 8] |= static_cast<uint8_t>(0x80 >> (z % 8));
        }
    }
  }
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  // A window position is always valid and lands exactly on the whole pixel given; the bitmap's
  // origin moves it to the group's corner. Like glRasterPos it takes the current colour.
  glWindowPos2i(0, 0);
  glBitmap(breite, hoehe, static_cast<GLfloat>(-rahmen.Links), static_cast<GLfloat>(-rahmen.Unten),
           0, 0, bits.data());
  glPopClientAttrib();
}

} // namespace

void TexteAusgeben(uint32_t schriftbasis, const TGlyphen& glyphen,
                   std::span<const TTextstelle> texte) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glPushMatrix();
  glLoadIdentity();
  if (glyphen.size() != 256) {
    for (const TTextstelle& t : texte)
      Zeichenkette(schriftbasis, t.x, t.y, t.Text);
  } else {
    // All texts have the one current colour, so the order in which their pixels are set does
    // not matter.
    std::vector<TGesetzt> gruppe, text;
    TFenster rahmen, textrahmen;
    int64_t flaeche = 0;
    auto abschliessen = [&] {
      if (!gruppe.empty()) Bitmapzeichnen(gruppe, rahmen);
      gruppe.clear();
      flaeche = 0;
    };
    for (const TTextstelle& t : texte) {
      text.clear();
      if (!Setzen(glyphen, t, text, textrahmen)) continue;
      if (textrahmen.Rechts - textrahmen.Links > GroessteSeite ||
          textrahmen.Oben - textrahmen.Unten > GroessteSeite) {
        Zeichenkette(schriftbasis, t.x, t.y, t.Text); // too long for one bitmap
        continue;
      }
      const TFenster zusammen = Vereinigung(rahmen, textrahmen);
      const bool passt = !gruppe.empty() && zusammen.Rechts - zusammen.Links <= GroessteSeite &&
                         zusammen.Oben - zusammen.Unten <= GroessteSeite &&
                         zusammen.Flaeche() - flaeche - textrahmen.Flaeche() <= Verschnitt;
      if (passt) {
        rahmen = zusammen;
      } else {
        abschliessen();
        rahmen = textrahmen;
      }
      flaeche = rahmen.Flaeche();
      gruppe.insert(gruppe.end(), text.begin(), text.end());
    }
    abschliessen();
  }
  glPopMatrix();
  glEnable(GL_DEPTH_TEST);
}
