// vandor-cli info: the details lines of a scenario file, as the scenario list shows them.
#include <iostream>

#include "cli_common.h"

int BefehlInfo(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {}, {"--english"}, 1);
  TKV kv;
  TSzenario s;
  SzenarioEinlesen(a.Positionen[0], kv, s);
  for (const TText& zeile : SzenarioDetails(s, a.Schalter("--english") ? 1 : 0))
    std::cout << FuerTerminal(zeile) << '\n';
  std::cout.flush();
  return std::cout ? 0 : 1;
}
