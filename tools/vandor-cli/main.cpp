// vandor-cli: builds, describes and pictures scenario files without the editor's windows.
// Exit codes: 0 done, 1 a file could not be read or written, 2 a wrong call.
#include <cstring>
#include <iostream>
#include <new>

#include "cli_common.h"

// The commands, each in its own cli_<name>.cpp. A new command: declare its function here and
// add its row to the table.
int BefehlNew(const TArgumente&);
int BefehlInfo(const TArgumente&);
int BefehlOverview(const TArgumente&);
int BefehlReplay(const TArgumente&);
int BefehlBalance(const TArgumente&);
int BefehlExportImage(const TArgumente&);
int BefehlImportImage(const TArgumente&);
#ifndef VANDOR_OHNE_RENDER
int BefehlSnapshot(const TArgumente&);
#endif

namespace {

const TBefehl Befehle[] = {
    {"new",
     "new OUT.vdz [--size WxH] [--terrain T | --landscape L] [--generator S:F:A:M] "
     "[--name TEXT] [--author TEXT] [--email TEXT] [--homepage TEXT] [--description TEXT]",
     BefehlNew},
    {"info", "info FILE.vdz [--english]", BefehlInfo},
    {"overview", "overview FILE.vdz OUT.png [--starts-only]", BefehlOverview},
    {"replay", "replay IN.vdz OUT.vdz [--events FILE|-] [--wrap] [--state]", BefehlReplay},
    {"balance", "balance FILE.vdz [--radius R] [--wrap] [--english]", BefehlBalance},
    {"export-image", "export-image FILE.vdz OUT.png", BefehlExportImage},
    {"import-image",
     "import-image IN.png OUT.vdz [--name TEXT] [--author TEXT] [--email TEXT] [--homepage TEXT] "
     "[--description TEXT]",
     BefehlImportImage},
#ifndef VANDOR_OHNE_RENDER
    {"snapshot", "snapshot IN.vdz OUT.png [--events FILE|-] [--wrap] [--graphics DIR] [--size WxH]",
     BefehlSnapshot},
#endif
};

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
    AlleAufrufe(std::cout);
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
    return befehl->Ausfuehren(TArgumente(argv + 2, argv + argc));
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
