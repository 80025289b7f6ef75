#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include "WindowFixture.h"

namespace kelo::ui {

class MainWindowTest : public QObject, private WindowFixture {
  Q_OBJECT

 private slots:
  void init() { CreateWindows(QStringLiteral(KELO_TEST_DATA), {"zvirata.tab", "zvirata.O", "vadna.tab", "vadna.O"}); }
  void cleanup() { DestroyWindows(); }

  void startsWithHiddenListsAndEmptyStatus() {
    QVERIFY(!hlavni_->O->isVisible());
    QVERIFY(!hlavni_->K->isVisible());
    QVERIFY(!hlavni_->Ulozit->isEnabled());
    QVERIFY(hlavni_->Otevrit->isEnabled());
    QCOMPARE(hlavni_->StavovyObjects->text(), QString());
    QCOMPARE(hlavni_->windowTitle(), QStringLiteral("K E L O"));
  }

  void openShowsBothListsInCzechOrderWithTheirCounts() {
    OpenThroughMenu("zvirata.tab");
    QCOMPARE(dialogs_->openRequests.size(), 1);
    QCOMPARE(dialogs_->openRequests[0].title, QStringLiteral("Vyberte uložený soubor"));
    QCOMPARE(dialogs_->openRequests[0].directory, QDir::currentPath());
    QCOMPARE(ListNames(hlavni_->O), (QStringList{"kočka", "kůň", "pes", "slepice", "žába"}));
    QCOMPARE(ListNames(hlavni_->K), (QStringList{"domácí", "chlupaté", "létá"}));
    QVERIFY(hlavni_->O->isVisible());
    QVERIFY(hlavni_->K->isVisible());
    QVERIFY(hlavni_->Ulozit->isEnabled());
    QCOMPARE(hlavni_->StavovyObjects->text(), QStringLiteral("Počet objektů: 5"));
    QCOMPARE(hlavni_->StavovyConstructs->text(), QStringLiteral("Počet konstruktů: 3"));
    QCOMPARE(hlavni_->CurrentFileName(), Path("zvirata.tab"));
    QVERIFY(dialogs_->questions.isEmpty());
  }

  void opensTheSampleBase() {
    CopyIn(QStringLiteral(KELO_EXAMPLES), {"dovolena.tab", "dovolena.O", "dovolena.kon"});
    QVERIFY(OpenThroughMenu("dovolena.tab").isEmpty());
    QCOMPARE(hlavni_->StavovyObjects->text(), QStringLiteral("Počet objektů: 16"));
    QCOMPARE(hlavni_->StavovyConstructs->text(), QStringLiteral("Počet konstruktů: 10"));
    const QStringList objects = ListNames(hlavni_->O);
    QVERIFY(objects.indexOf(QStringLiteral("Český Krumlov")) < objects.indexOf(QStringLiteral("Island")));
  }

  void openOverAnOpenBaseAsksToSaveItFirst() {
    OpenThroughMenu("zvirata.tab");
    dialogs_->confirmAnswers << false;
    OpenThroughMenu("zvirata.tab");
    QCOMPARE(dialogs_->questions, QStringList{"Uložit bázi znalostí?"});
    QCOMPARE(hlavni_->Base().O.size(), 5);
  }

  void cancelledOpenLeavesAnEmptyBaseWithNoFileName() {
    OpenThroughMenu("zvirata.tab");
    dialogs_->confirmAnswers << false;
    dialogs_->openAnswers << std::nullopt;
    hlavni_->Otevrit->trigger();
    QVERIFY(hlavni_->Base().empty());
    QCOMPARE(hlavni_->O->model()->rowCount(), 0);
    QCOMPARE(hlavni_->CurrentFileName(), QString());
  }

  void badFileIsReportedWithFileAndLineAndNothingIsHalfLoaded() {
    const QByteArray before = Bytes("vadna.tab");
    OpenThroughMenu("vadna.tab");
    QCOMPARE(dialogs_->errors.size(), 1);
    QVERIFY2(dialogs_->errors[0].contains(QStringLiteral("vadna.tab, řádek 2")), qPrintable(dialogs_->errors[0]));
    QVERIFY(dialogs_->errors[0].contains(QStringLiteral("'x' is not a valid integer value")));
    QVERIFY(dialogs_->errors[0].endsWith(u'.'));
    QVERIFY(hlavni_->Base().empty());
    QCOMPARE(hlavni_->CurrentFileName(), QString());
    QVERIFY(!hlavni_->Ulozit->isEnabled());
    QCOMPARE(Bytes("vadna.tab"), before);
  }

  void savingOverTheOpenFileAsksAndNoWritesNothing() {
    OpenThroughMenu("zvirata.tab");
    const QByteArray before = Bytes("zvirata.tab");
    hlavni_->Base().SetValue(-5, 0, 0);
    dialogs_->saveAnswers << Path("zvirata.tab");
    dialogs_->confirmAnswers << false;
    hlavni_->Ulozit->trigger();
    QCOMPARE(dialogs_->questions, QStringList{"Přepsat bázi znalostí?"});
    QCOMPARE(dialogs_->saveRequests[0].title, QStringLiteral("Vyberte soubor nebo vpište nový."));
    QCOMPARE(dialogs_->saveRequests[0].fileName, Path("zvirata.tab"));
    QCOMPARE(Bytes("zvirata.tab"), before);

    dialogs_->saveAnswers << Path("zvirata.tab");
    dialogs_->confirmAnswers << true;
    hlavni_->Ulozit->trigger();
    QVERIFY(Bytes("zvirata.tab").startsWith("dom\xe1""c\xed\tdivok\xe9\t-5\t70"));
  }

  void openAndSaveUnchangedKeepsEveryByte() {
    OpenThroughMenu("zvirata.tab");
    const QByteArray grid = Bytes("zvirata.tab"), objects = Bytes("zvirata.O");
    dialogs_->saveAnswers << Path("kopie");
    hlavni_->Ulozit->trigger();
    QVERIFY(dialogs_->questions.isEmpty());
    QCOMPARE(Bytes("kopie.tab"), grid);
    QCOMPARE(Bytes("kopie.O"), objects);
    QCOMPARE(hlavni_->CurrentFileName(), Path("kopie.tab"));
  }

  void aFailedSaveIsShownAndKeepsTheBase() {
    OpenThroughMenu("zvirata.tab");
    QFile blocker(Path("soubor"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs_->confirmAnswers << true;
    dialogs_->saveAnswers << Path("soubor/nova.tab");
    dialogs_->openAnswers << std::nullopt;
    hlavni_->Otevrit->trigger();
    QCOMPARE(dialogs_->errors.size(), 1);
    QVERIFY2(dialogs_->errors[0].contains(QStringLiteral("Cannot create file")), qPrintable(dialogs_->errors[0]));
    QCOMPARE(hlavni_->Base().O.size(), 5);
    QVERIFY(dialogs_->openRequests.size() == 1);  // only the first Open reached its dialog
    dialogs_->openAnswers.clear();
  }

  void closingAsksToSaveANonEmptyBaseOnly() {
    hlavni_->close();
    QVERIFY(dialogs_->questions.isEmpty());

    hlavni_->show();
    OpenThroughMenu("zvirata.tab");
    const QByteArray before = Bytes("zvirata.tab");
    hlavni_->Base().SetValue(-5, 0, 0);
    dialogs_->confirmAnswers << false;
    hlavni_->Konec->trigger();
    QCOMPARE(dialogs_->questions, QStringList{"Uložit bázi znalostí?"});
    QVERIFY(!hlavni_->isVisible());
    QCOMPARE(Bytes("zvirata.tab"), before);
  }

  void listsKeepThreeEqualGaps_data() {
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("oLeft");
    QTest::addColumn<int>("kLeft");
    QTest::newRow("narrow") << 300 << -33 << 134;
    QTest::newRow("wide") << 1000 << 200 << 600;
  }
  void listsKeepThreeEqualGaps() {
    QFETCH(int, clientWidth);
    QFETCH(int, oLeft);
    QFETCH(int, kLeft);
    const auto [o, k] = THlavni::ListLefts(clientWidth, 200);
    QCOMPARE(o, oLeft);
    QCOMPARE(k, kLeft);
  }

  void aLargeBaseIsOneModelAndOneView() {
    for (int i = 0; i < 10000; ++i) hlavni_->Base().AddNewObject("objekt " + std::to_string(i));
    hlavni_->RefreshLists();
    QAbstractItemModelTester tester(hlavni_->O->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(hlavni_->O->model()->rowCount(), 10000);
    QCOMPARE(hlavni_->O->findChildren<QWidget*>().size() < 50, true);
  }
};

}  // namespace kelo::ui

QTEST_MAIN(kelo::ui::MainWindowTest)
#include "main_window_test.moc"
