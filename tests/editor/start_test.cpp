#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "editor_hilfe.h"

TEST(Start, DataFoldersSlotsAndColours) {
  TTestEditor t;
  for (const char* name : {"Speicher", "Benutzer", "Grafik", "Szenario"})
    EXPECT_TRUE(std::filesystem::is_directory(t.Ordner / name)) << name;
  EXPECT_EQ(t.Programm.Pfad.back(), '/');
  EXPECT_EQ(t.Programm.ProgrammSpiel.Verhalten, 1 << voZurueck);
  for (bool b : t.Programm.ProgrammSpiel.Speicher.Belegt)
    EXPECT_FALSE(b);
  // "0000FF" is blue: red in the lowest byte of the value.
  const TFarbKollektion blau = FarbeEinrichten("0000FF");
  EXPECT_EQ(blau.Farbwert, 0xFF0000);
  EXPECT_EQ(blau.Rot, 0.0);
  EXPECT_EQ(blau.Blau, 1.0);
  EXPECT_EQ(t.Programm.Farben.Spielerfarben[3].Farbtext, Spielerfarben[3]);
  EXPECT_EQ(t.Programm.Farben.Gelaendefarben[7][1].Farbwert,
            FarbeEinrichten(Gelaendetabelle[7].Farbe).Farbwert);
  EXPECT_EQ(&Gelaendefarbe(t.Programm.Farben, 200), &Gelaendefarbe(t.Programm.Farben, 0));
}

TEST(Start, AFolderThatCannotBeMadeIsAnError) {
  const auto ordner = std::filesystem::temp_directory_path() /
                      ("vandor_editor_start_" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  std::ofstream(ordner / "Grafik") << "a file, not a folder";
  TProgramm programm;
  EXPECT_THROW(EditorStart(programm, ordner.string()), std::runtime_error);
  std::filesystem::remove_all(ordner);
}

TEST(Start, DataFoldersStayBesideACopyAndGoToTheUsersFolderWhenInstalled) {
  const auto wurzel = std::filesystem::temp_directory_path() /
                      ("vandor_editor_ordner_" + std::to_string(::getpid()));
  const std::string w = wurzel.string();
  std::filesystem::create_directories(wurzel / "kopie");
  std::filesystem::create_directories(wurzel / "usr/bin");
  std::filesystem::create_directories(wurzel / "usr/share/vandor-editor/Grafik");
  // A copy of its own keeps everything beside the program.
  TDatenordner d = DatenordnerWaehlen(w + "/kopie", w + "/xdg", w + "/heim");
  EXPECT_EQ(d.Daten, w + "/kopie/");
  EXPECT_EQ(d.Grafikvorrat, "");
  // Installed: the user's data folder, graphics from the share folder after the user's own.
  d = DatenordnerWaehlen(w + "/usr/bin/", w + "/xdg", w + "/heim");
  EXPECT_EQ(d.Daten, w + "/xdg/vandor-editor/");
  EXPECT_EQ(d.Grafikvorrat, w + "/usr/share/vandor-editor/Grafik");
  // An unset or relative XDG_DATA_HOME means ~/.local/share.
  EXPECT_EQ(DatenordnerWaehlen(w + "/usr/bin", "", w + "/heim").Daten,
            w + "/heim/.local/share/vandor-editor/");
  EXPECT_EQ(DatenordnerWaehlen(w + "/usr/bin", "daten", w + "/heim/").Daten,
            w + "/heim/.local/share/vandor-editor/");
  // A copy in a folder the user cannot write: the data go to the user's folder, and the
  // program's own pictures and scenarios stay readable behind the user's (empty) ones.
  d = DatenordnerWaehlen(w + "/kopie", w + "/xdg", w + "/heim", false);
  EXPECT_EQ(d.Daten, w + "/xdg/vandor-editor/");
  EXPECT_EQ(d.Grafikvorrat, w + "/kopie/Grafik");
  EXPECT_EQ(d.Szenariovorrat, w + "/kopie/Szenario");
  EXPECT_TRUE(d.Verlegt);
  EXPECT_TRUE(d.Neu);
  std::filesystem::create_directories(wurzel / "xdg/vandor-editor");
  EXPECT_FALSE(DatenordnerWaehlen(w + "/kopie", w + "/xdg", w + "/heim", false).Neu);
  EXPECT_FALSE(DatenordnerWaehlen(w + "/usr/bin", w + "/xdg", w + "/heim", false).Verlegt);
  std::filesystem::remove_all(wurzel / "xdg");
  // The folders are made there, and nothing beside the installed program.
  TProgramm programm;
  EditorStart(programm, DatenordnerWaehlen(w + "/usr/bin", w + "/xdg", "").Daten);
  EXPECT_TRUE(std::filesystem::is_directory(wurzel / "xdg/vandor-editor/Szenario"));
  EXPECT_FALSE(std::filesystem::exists(wurzel / "usr/bin/Szenario"));
  std::filesystem::remove_all(wurzel);
}

TEST(Start, OpeningKeepsToolsAndResetsZoomAndOptions) {
  TTestEditor t(30, 30);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ps.Position = {4, 5};
  ps.Werkzeug = wzKreis;
  ps.Groesse = 3;
  ps.Spiegelart = 2;
  t.Taste(vkV);
  t.Taste(vkG);
  t.KV.Stand.Spiel = 0;
  ProgrammVorbereiten(t.E);
  EXPECT_EQ(ps.Zoomstufe, 2);
  EXPECT_EQ(ps.Sichtweite, (TPunkt{15, 15}));
  EXPECT_EQ(ps.Anzeige, AlleAnzeigeOptionen);
  EXPECT_EQ(ps.Position, (TPunkt{4, 5}));
  EXPECT_EQ(ps.Werkzeug, wzKreis);
  EXPECT_EQ(ps.Groesse, 3);
  EXPECT_EQ(ps.Spiegelart, 2);
  EXPECT_EQ(ps.Programmfelder.Breite, 30);
}
