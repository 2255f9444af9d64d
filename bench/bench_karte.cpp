// Memory and time of the largest map: building and filling it, deep copies, a one-cell change
// on a copy, eleven snapshots, full iteration and the deposit states of a random map.
#include <chrono>
#include <cstdio>
#include <unistd.h>
#include <vector>

#include "model/spiel.h"

namespace {

double ResidentMB() {
  long seiten = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &seiten, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

using Uhr = std::chrono::steady_clock;

double MsSeit(Uhr::time_point t) {
  return std::chrono::duration<double, std::milli>(Uhr::now() - t).count();
}

} // namespace

int main() {
  constexpr int32_t N = 9999;
  std::printf("map %d x %d\n", N, N);

  const double vorher = ResidentMB();
  auto t = Uhr::now();
  TKV kv;
  SpielZuruecksetzen(kv);
  kv.Karte.Breite = kv.Karte.Hoehe = N;
  FelderAnlegen(kv.Karte, N, N);
  std::vector<uint8_t> spalte(N, 3);
  for (int32_t x = 0; x < N; ++x)
    SpalteSchreiben(kv.Karte, x, spalte.data());
  const double fuellen = MsSeit(t);
  const double nachher = ResidentMB();
  std::printf("build and fill with terrain 3: %.0f ms, resident %.1f MB (target <= 150 MB)\n",
              fuellen, nachher - vorher);

  // A deep copy of the whole record, as the editor takes before every brush press.
  TKV kopie;
  SpielZuruecksetzen(kopie);
  t = Uhr::now();
  SpielKopieren(kopie, kv);
  std::printf("SpielKopieren: %.3f ms (target < 1 ms)\n", MsSeit(t));
  t = Uhr::now();
  GelaendeSetzen(kopie.Karte, N / 2, N / 2, 7);
  std::printf("first cell change on the fresh copy: %.3f ms (target < 1 ms)\n", MsSeit(t));
  t = Uhr::now();
  GelaendeSetzen(kopie.Karte, N / 2 + 1, N / 2, 7);
  std::printf("second cell change on it: %.3f ms\n", MsSeit(t));
  t = Uhr::now();
  const auto bereiche = GeaenderteBereiche(kv.Karte, kopie.Karte);
  std::printf("GeaenderteBereiche: %.3f ms, %zu rectangle(s)\n", MsSeit(t), bereiche.size());

  // Eleven snapshots (undo plus ten memory slots), each then changed in one cell.
  const double vorSchnappschuessen = ResidentMB();
  std::vector<TKV> schnappschuesse(11);
  t = Uhr::now();
  for (std::size_t i = 0; i < schnappschuesse.size(); ++i) {
    SpielKopieren(schnappschuesse[i], kv);
    GelaendeSetzen(schnappschuesse[i].Karte, static_cast<int32_t>(i) * 900, 17, 1);
  }
  std::printf("eleven copies with one changed cell each: %.2f ms, %.1f MB more resident\n",
              MsSeit(t), ResidentMB() - vorSchnappschuessen);

  // Full iteration, x outer and y inner.
  t = Uhr::now();
  uint64_t summe = 0;
  for (int32_t x = 0; x < N; ++x)
    for (int32_t y = 0; y < N; ++y)
      summe += Gelaende(kv.Karte, x, y);
  std::printf("iteration with Gelaende(): %.0f ms (sum %llu)\n", MsSeit(t),
              static_cast<unsigned long long>(summe));
  t = Uhr::now();
  summe = 0;
  for (int32_t x = 0; x < N; ++x) {
    SpalteLesen(kv.Karte, x, spalte.data());
    for (int32_t y = 0; y < N; ++y)
      summe += spalte[y];
  }
  std::printf("iteration with SpalteLesen: %.0f ms (sum %llu)\n", MsSeit(t),
              static_cast<unsigned long long>(summe));

  // Deposits on about 3.5 % of the cells, one state each, as a random map may have.
  schnappschuesse.clear();
  kopie = TKV{};
  const double vorZustaenden = ResidentMB();
  t = Uhr::now();
  int64_t anzahl = 0;
  for (int32_t x = 0; x < N; ++x)
    for (int32_t y = (x * 7) % 29; y < N; y += 29) {
      TFeldZustand z;
      z.Art = zaRohstoff;
      z.Wert = 500;
      z.Rohstoff = 1;
      z.Status = zsAktiv | zsErzeugt;
      FeldZustandAnfuegen(kv.Karte, x, y, z);
      ++anzahl;
    }
  std::printf("%lld deposit states added: %.0f ms, %.1f MB more resident (%.1f bytes each)\n",
              static_cast<long long>(anzahl), MsSeit(t), ResidentMB() - vorZustaenden,
              (ResidentMB() - vorZustaenden) * 1048576.0 / static_cast<double>(anzahl));
  t = Uhr::now();
  int64_t besucht = 0;
  ZustandsfelderDurchlaufen(kv.Karte,
                            [&](int32_t, int32_t, std::span<const TFeldZustand>) { ++besucht; });
  std::printf("ZustandsfelderDurchlaufen over %lld cells: %.0f ms\n",
              static_cast<long long>(besucht), MsSeit(t));
  t = Uhr::now();
  SpielKopieren(kopie, kv);
  GelaendeSetzen(kopie.Karte, 1, 1, 2);
  std::printf("copy and one change with deposits: %.3f ms\n", MsSeit(t));
  return 0;
}
