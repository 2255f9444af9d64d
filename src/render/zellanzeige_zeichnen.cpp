#include <GL/gl.h>

#include "editor/zellanzeige.h"
#include "render/bild.h"
#include "render/schrift.h"

namespace {

// In the panel between the mirroring page and the message line: free on every page.
constexpr int32_t Anzeigex = 1200;
constexpr int32_t Anzeigey = 1050;

} // namespace

void ZellanzeigeZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv) {
  const TText text = Zellanzeige(p, kv);
  if (text.empty()) return;
  glColor3d(0, 0, 0);
  TextAusgeben(g.Schriftbasis, Anzeigex, Anzeigey, text);
}
