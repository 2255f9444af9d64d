// Never losing work in the set-up dialog: the question before a map with unsaved changes is
// replaced, and the recovery copy offered at the next start after an end that was not clean.
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/haupt_formular.h"
#include "app_test_hilfen.h"
#include "base/dateien.h"
#include "editor/verlauf.h"
#include "model/karte.h"
#include "scenario/szenario_datei.h"

namespace {

// A dialog over a program folder that several runs share; every question answered in turn.
struct TLauf {
  TProgrammdaten Daten;
  std::unique_ptr<THauptFormular> Formular;
  QList<TUngespeichertWahl> Ungespeichert;
  QList<TWiederherstellWahl> Wiederherstellen;
  int Fragen = 0, Angebote = 0, Abfragen = 0;
  QString Name = "Probe";
  bool Bestaetigen = true;

  explicit TLauf(const TTestOrdner& ordner) {
    Formular = std::make_unique<THauptFormular>(Daten, ordner.Pfad());
    Formular->Hinweis = [](const QString& text) { QFAIL(qPrintable(text)); };
    Formular->Eingabe = [this](const QString&, const QString&, QString& text) {
      ++Abfragen;
      text = Name;
      return Bestaetigen;
    };
    Formular->UngespeichertFrage = [this] {
      ++Fragen;
      return Ungespeichert.isEmpty() ? uwZurueck : Ungespeichert.takeFirst();
    };
    Formular->WiederherstellungFrage = [this] {
      ++Angebote;
      return Wiederherstellen.isEmpty() ? wwZurueckholen : Wiederherstellen.takeFirst();
    };
  }
  THauptFormular& F() { return *Formular; }
  // Writes the recovery copy as the timer would, once the map has rested.
  void Sichern(bool erwartet = true) {
    F().Sicherung.Ruhe = 0;
    F().SicherungPruefen();
    F().SicherungPruefen();
    QCOMPARE(SicherungAbwarten(F().Sicherung), erwartet);
  }
};

} // namespace

class SicherungTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void ungespeichertFragtVorDemErzeugen();
  void kopieNachAbsturzZurueckholen();
  void kopieVerwerfenUndAeltereNichtAnbieten();
};

void SicherungTest::ungespeichertFragtVorDemErzeugen() {
  TTestOrdner ordner;
  DateiSchreiben(ordner.Datei("Benutzer/Benutzer.ini"), "[Editor]\nVerlaufsspeicher=3\n");
  TLauf l(ordner);
  QCOMPARE(l.Daten.Programm.ProgrammSpiel.Speicher.Verlauf.Budget, std::size_t{3} << 20);
  // A map just built has nothing unsaved: building again asks nothing.
  l.F().SpeedButton6Click();
  l.F().SpeedButton6Click();
  QCOMPARE(l.Fragen, 0);
  QVERIFY(!UngesicherteAenderungen(l.Daten.Programm, l.Daten.KV));

  GelaendeSetzen(l.Daten.KV.Karte, 4, 4, 9);
  // Back: the map stays as it is.
  l.Ungespeichert = {uwZurueck};
  l.F().SpeedButton6Click();
  QCOMPARE(l.Fragen, 1);
  QCOMPARE(Gelaende(l.Daten.KV.Karte, 4, 4), uint8_t{9});
  // Save, but the file-name query is cancelled: nothing is built either.
  l.Bestaetigen = false;
  l.Ungespeichert = {uwSpeichern};
  l.F().SpeedButton6Click();
  QCOMPARE(Gelaende(l.Daten.KV.Karte, 4, 4), uint8_t{9});
  // Saved: the file holds the change, then the new map is built.
  l.Bestaetigen = true;
  l.Ungespeichert = {uwSpeichern};
  l.F().SpeedButton6Click();
  QCOMPARE(l.Fragen, 3);
  TKV kv;
  TSzenario s;
  QVERIFY(SzenarioLaden(kv, s, ordner.Datei("Szenario/Probe.vdz")));
  QCOMPARE(s.Zellen.Gelaende[4 * 30 + 4], uint8_t{9});
  QCOMPARE(Gelaende(l.Daten.KV.Karte, 4, 4), uint8_t{3});
  // Discard: built at once. A saved map has nothing unsaved and is named after its file.
  GelaendeSetzen(l.Daten.KV.Karte, 4, 4, 9);
  l.Ungespeichert = {uwVerwerfen};
  l.F().SpeedButton6Click();
  QCOMPARE(Gelaende(l.Daten.KV.Karte, 4, 4), uint8_t{3});
  QCOMPARE(l.F().Kartenname(), QString());
  GelaendeSetzen(l.Daten.KV.Karte, 4, 4, 9);
  QVERIFY(l.F().SpeedButton5Click());
  QVERIFY(!UngesicherteAenderungen(l.Daten.Programm, l.Daten.KV));
  QCOMPARE(l.F().Kartenname(), QString("Probe1"));
  l.F().Edit5->setText("Inseln");
  QCOMPARE(l.F().Kartenname(), QString("Inseln"));
}

void SicherungTest::kopieNachAbsturzZurueckholen() {
  TTestOrdner ordner;
  const std::string kopie = ordner.Datei("Speicher/Wiederherstellung.vdz");
  {
    TLauf l(ordner);
    l.F().Edit5->setText("Vor dem Absturz");
    l.F().SpeedButton6Click();
    // Nothing unsaved: no copy.
    l.Sichern(false);
    QVERIFY(!DateiVorhanden(kopie));
    GelaendeSetzen(l.Daten.KV.Karte, 7, 8, 12);
    l.Sichern();
    QVERIFY(DateiVorhanden(kopie));
    // The program dies here: no closing.
  }
  TLauf l(ordner);
  l.F().WiederherstellungAnbieten();
  QCOMPARE(l.Angebote, 1);
  QCOMPARE(Gelaende(l.Daten.KV.Karte, 7, 8), uint8_t{12});
  QCOMPARE(l.Daten.KV.Karte.Breite, 30);
  QVERIFY(UngesicherteAenderungen(l.Daten.Programm, l.Daten.KV));
  QCOMPARE(l.F().Edit5->text(), QString("Vor dem Absturz"));
  QCOMPARE(l.F().ComboBox2->currentIndex(), 1);
  QCOMPARE(l.F().ListView2->currentItem()->text(0), QString("Wiederherstellung"));
  // Building from the copy asks nothing (it is the same map) and leaves it unsaved.
  l.F().SpeedButton6Click();
  QCOMPARE(l.Fragen, 0);
  QCOMPARE(Gelaende(l.Daten.KV.Karte, 7, 8), uint8_t{12});
  QVERIFY(UngesicherteAenderungen(l.Daten.Programm, l.Daten.KV));
  // A clean end saves "Letztes" and removes the copy.
  l.F().show();
  l.F().close();
  QVERIFY(!DateiVorhanden(kopie));
  TKV kv;
  TSzenario s;
  QVERIFY(SzenarioLaden(kv, s, ordner.Datei("Szenario/Letztes.vdz")));
  QCOMPARE(s.Zellen.Gelaende[7 * 30 + 8], uint8_t{12});
}

void SicherungTest::kopieVerwerfenUndAeltereNichtAnbieten() {
  TTestOrdner ordner;
  const std::string kopie = ordner.Datei("Speicher/Wiederherstellung.vdz");
  const auto absturz = [&] {
    TLauf l(ordner);
    l.F().SpeedButton6Click();
    GelaendeSetzen(l.Daten.KV.Karte, 1, 1, 5);
    l.Sichern();
  };
  absturz();
  {
    TLauf l(ordner);
    l.Wiederherstellen = {wwVerwerfen};
    l.F().WiederherstellungAnbieten();
    QCOMPARE(l.Angebote, 1);
    QVERIFY(!DateiVorhanden(kopie));
    QCOMPARE(l.Daten.KV.Karte.Breite, 0);
  }
  // A scenario saved after the copy was written is newer: the copy is not offered.
  absturz();
  std::filesystem::last_write_time(kopie, std::filesystem::last_write_time(kopie) -
                                              std::chrono::seconds(10));
  QVERIFY(TestszenarioSchreiben(ordner, "Danach.vdz", Testszenario(5, 5, {})));
  TLauf l(ordner);
  l.F().WiederherstellungAnbieten();
  QCOMPARE(l.Angebote, 0);
  QCOMPARE(l.Daten.KV.Karte.Breite, 0);
}

QTEST_MAIN(SicherungTest)
#include "sicherung_test.moc"
