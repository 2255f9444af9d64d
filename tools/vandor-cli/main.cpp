// vandor-cli: builds, describes and pictures scenario files without the editor's windows.
// Exit codes: 0 done, 1 a file could not be read or written, 2 a wrong call.
#include <cstring>
#include <iostream>
#include <new>

#include "cli_common.h"
#include "cli_hilfe.h"

// The commands, each in its own cli_<name>.cpp. A new command: declare its function here and
// add its row to the table, with a description: its help and completion follow from the row.
int BefehlNew(const TArgumente&);
int BefehlInfo(const TArgumente&);
int BefehlOverview(const TArgumente&);
int BefehlReplay(const TArgumente&);
int BefehlBalance(const TArgumente&);
int BefehlExportImage(const TArgumente&);
int BefehlImportImage(const TArgumente&);
int BefehlThumbnail(const TArgumente&);
#ifndef VANDOR_OHNE_RENDER
int BefehlSnapshot(const TArgumente&);
#endif

namespace {

int HilfeZeigen(const TArgumente& argumente);

const TBefehl Befehle[] = {
    {"new",
     "new OUT.vdz [--size WxH] [--terrain T | --landscape L] [--generator S:F:A:M] "
     "[--name TEXT] [--author TEXT] [--email TEXT] [--homepage TEXT] [--description TEXT]",
     BefehlNew, "Build a map as the set-up dialog does and save it as a scenario file"},
    {"info", "info FILE.vdz [--english]", BefehlInfo,
     "Print the details lines of a scenario, as the scenario list shows them"},
    {"overview", "overview FILE.vdz OUT.png [--starts-only]", BefehlOverview,
     "Write the overview picture of a scenario as PNG, one pixel per cell"},
    {"thumbnail", "thumbnail IN.vdz OUT.png [--size N]", BefehlThumbnail,
     "Write the overview as a small PNG for file managers, its longer side N pixels"},
    {"replay", "replay IN.vdz OUT.vdz [--events FILE|-] [--wrap] [--state]", BefehlReplay,
     "Feed recorded mouse, key and timer events to an editor and save the result"},
    {"balance", "balance FILE.vdz [--radius R] [--wrap] [--english]", BefehlBalance,
     "Compare the surroundings of the players' start positions"},
    {"export-image", "export-image FILE.vdz OUT.png", BefehlExportImage,
     "Write the map as PNG, one pixel per cell in its terrain's colour"},
    {"import-image",
     "import-image IN.png OUT.vdz [--name TEXT] [--author TEXT] [--email TEXT] [--homepage TEXT] "
     "[--description TEXT]",
     BefehlImportImage, "Make a map of a picture, each pixel the terrain of the nearest colour"},
#ifndef VANDOR_OHNE_RENDER
    {"snapshot", "snapshot IN.vdz OUT.png [--events FILE|-] [--wrap] [--graphics DIR] [--size WxH]",
     BefehlSnapshot, "Replay events and draw one frame of the editor window as PNG"},
#endif
    {"help", "help [COMMAND]", HilfeZeigen,
     "Show this overview, or the usage and options of one command"},
};

int HilfeZeigen(const TArgumente& argumente) {
  return BefehlHelp(Befehle, argumente);
}

void AlleAufrufe(std::ostream& aus) {
  aus << "usage:\n";
  for (const TBefehl& b : Befehle)
    aus << "  vandor-cli " << b.Aufruf << '\n';
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    AlleAufrufe(std::cerr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    UebersichtAusgeben(std::cout, Befehle);
    return 0;
  }
  if (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0) {
    std::cout << "vandor-cli " VANDOR_FASSUNG "\n";
    return 0;
  }
  const TBefehl* befehl = nullptr;
  for (const TBefehl& b : Befehle)
    if (std::strcmp(argv[1], b.Name) == 0) befehl = &b;
  if (befehl == nullptr) {
    std::cerr << "vandor-cli: unknown command \"" << Zitat(argv[1]) << "\"\n";
    AlleAufrufe(std::cerr);
    return 2;
  }
  // Every failure is one line, whatever names or texts it quotes.
  try {
    const TArgumente argumente(argv + 2, argv + argc);
    if (HilfeVerlangt(*befehl, argumente)) {
      BefehlshilfeAusgeben(std::cout, *befehl);
      return 0;
    }
    return befehl->Ausfuehren(argumente);
  } catch (const TAufruffehler& e) {
    std::cerr << "vandor-cli " << befehl->Name << ": " << Terminalzeile(e.what()) << '\n'
              << "usage: vandor-cli " << befehl->Aufruf << '\n';
    return 2;
  } catch (const TDateifehler& e) {
    std::cerr << "vandor-cli: " << Terminalzeile(e.what()) << '\n';
    return 1;
  } catch (const std::bad_alloc&) {
    std::cerr << "vandor-cli " << befehl->Name << ": out of memory\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "vandor-cli " << befehl->Name << ": " << Terminalzeile(e.what()) << '\n';
    return 1;
  }
}
