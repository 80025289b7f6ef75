#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

#include "Nkon.h"
#include "WindowFixture.h"
#include "ZadejTab.h"
#include "Zahaj.h"

namespace kelo::ui {
namespace {

// Drives the modal dialogs that a blocking call opens one inside another. A
// step runs on a timer tick once its dialog is the active modal window; it
// usually fills fields and presses a button, which ends that showing. When
// nothing has moved on for a few seconds, or a step failed, every modal dialog
// is closed and the run reports it, so a test never hangs on a dialog it did
// not expect.
class ModalScript {
 public:
  ModalScript& Then(QDialog* dialog, std::function<void()> step) {
    steps_.push_back({dialog, std::move(step)});
    return *this;
  }

  // Runs `blocking`; returns what went wrong, empty when every step ran on its
  // own dialog and no dialog had to be closed.
  QString Run(const std::function<void()>& blocking) {
    QString problem;
    bool abandoned = false;
    QElapsedTimer idle;
    idle.start();
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!abandoned && QTest::currentTestFailed()) {
        abandoned = true;
        problem += QStringLiteral("a step failed; ");
      }
      if (!abandoned && !steps_.empty() && modal == steps_.front().dialog && modal->isActiveWindow()) {
        const auto step = std::move(steps_.front());
        steps_.pop_front();
        step.act();
        idle.restart();
        return;
      }
      if (!abandoned && idle.elapsed() > kPatienceMs) {
        abandoned = true;
        problem += QStringLiteral("stuck with %1 open; ").arg(modal ? modal->objectName() : QStringLiteral("no dialog"));
      }
      if (abandoned && modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
          dialog->reject();
        else
          modal->close();
      }
    });
    timer.start();
    blocking();
    timer.stop();
    if (!steps_.empty()) problem += QStringLiteral("%1 step(s) never ran").arg(steps_.size());
    steps_.clear();
    return problem;
  }

 private:
  static constexpr int kPatienceMs = 4000;
  struct Step {
    QDialog* dialog;
    std::function<void()> act;
  };
  std::deque<Step> steps_;
};

// Types text as key presses. QTest::keyClicks goes through Latin-1 and would
// turn č, ů or Ž into question marks.
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    const auto key = c.unicode() < 128 && c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
  }
}

void Retype(QLineEdit* edit, const QString& text) {
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty())
    QTest::keyClick(edit, Qt::Key_Backspace);
  else
    Type(edit, text);
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void ClickTab(QTabBar* tabs, int tab) {
  QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(tab).center());
}

QStringList TabTexts(const QTabBar* tabs) {
  QStringList texts;
  for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  return texts;
}

QList<QByteArray> Lines(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QByteArray& line : lines) line.append('\n');
  return lines;
}

QByteArray Joined(const QList<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line;
  return bytes;
}

const QString kSaveAdvice = QStringLiteral("Nyní doporučuji zadané údaje uložit.");
const QString kNoConstruct = QStringLiteral("Báze nemá žádný konstrukt, na kterém by šlo objekt hodnotit.");

}  // namespace

class ElicitationDialogsTest : public QObject, private WindowFixture {
  Q_OBJECT

 private:
  void Write(const QString& file, const QByteArray& bytes) {
    QFile f(Path(file));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  void ClickObject(int row) {
    QListView* view = hlavni_->O;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->model()->index(row, 0)).center());
  }
  void FillStart(const QStringList& names) {
    for (int i = 0; i < 5; ++i) Retype(forms_->Zahaj->Edits[i], names[i]);
  }
  QStringList Status() { return {hlavni_->StavovyObjects->text(), hlavni_->StavovyConstructs->text()}; }

 private slots:
  void init() {
    CreateWindows(QStringLiteral(KELO_TEST_DATA), {"zvirata.tab", "zvirata.O"});
    QVERIFY(QTest::qWaitForWindowActive(hlavni_.get()));
  }
  void cleanup() { DestroyWindows(); }

  // --- Starting a base -----------------------------------------------------

  void newBaseFromFiveNamesToSavedFiles() {
    TZahaj* zahaj = forms_->Zahaj;
    TNovy* novy = forms_->Novy;
    TZadejTab* rating = forms_->ZadejTab;
    hlavni_->NovaBaze->trigger();
    QVERIFY(zahaj->isVisible());
    QCOMPARE(zahaj->windowTitle(), QStringLiteral("Zahájíme tím, že zadáme 5 objektů :"));
    FillStart({"  Pes  ", "kočka", "Žába", "kůň", "slepice"});

    ModalScript script;
    struct Triad {
      QString shown, name, opposite;
    };
    const QList<Triad> triads = {
        {"kočka,\nkůň,\nPes", "domácí", "divoké"},
        {"kůň,\nPes,\nslepice", "chlupaté", "nechlupaté"},
        {"Pes,\nslepice,\nŽába", "létá", "nelétá"},
    };
    for (int t = 0; t < 3; ++t) {
      script.Then(novy, [=, this] {
        QCOMPARE(novy->Label1->text(), QStringLiteral("Zadejte nějakou významnou vlastnost, kterou z objektů"));
        QVERIFY(novy->Trojice->isVisible());
        QCOMPARE(novy->Trojice->text(), triads[t].shown);
        QVERIFY(novy->Label3->isVisible());
        QCOMPARE(novy->Edit1->text(), QString());
        QVERIFY(!novy->Edit2->isVisible() && !novy->Label4->isVisible());
        QVERIFY(hlavni_->O->isVisible());
        QVERIFY(!hlavni_->K->isVisible());
        // The counts change only with each OK.
        const QStringList counts = t == 0 ? QStringList{"", ""}
                                          : QStringList{"Počet objektů: 5", QStringLiteral("Počet konstruktů: %1").arg(t)};
        QCOMPARE(Status(), counts);
        if (t == 2) {
          // An edited opposite gives way to the next change of the name.
          Type(novy->Edit1, QStringLiteral("lét"));
          QCOMPARE(novy->Edit2->text(), QStringLiteral("nelét"));
          Retype(novy->Edit2, QStringLiteral("x"));
          Type(novy->Edit1, QStringLiteral("á"));
        } else {
          Type(novy->Edit1, triads[t].name);
        }
        QCOMPARE(novy->Edit2->text(), QStringLiteral("ne") + triads[t].name);
        QVERIFY(novy->Edit2->isVisible() && novy->Label4->isVisible());
        if (t == 0) Retype(novy->Edit2, triads[t].opposite);
        Click(novy->OKBtn);
      });
    }

    struct Rating {
      QList<Qt::Key> keys;
      QString shown;
    };
    const QStringList objects = {"kočka", "kůň", "Pes", "slepice", "Žába"};
    // Per object, one entry per construct tab, in the sorted construct order
    // domácí, chlupaté, létá (Czech "ch" follows "h").
    const QList<QList<Rating>> ratings = {
        {{{Qt::Key_Home}, "100"}, {{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right}, "90"}, {{Qt::Key_End}, "-100"}},
        {{{Qt::Key_Home, Qt::Key_PageUp}, "50"}, {{Qt::Key_Home}, "100"}, {{Qt::Key_End}, "-100"}},
        {{{Qt::Key_Home}, "100"}, {{Qt::Key_Home, Qt::Key_PageUp, Qt::Key_Right}, "45"},
         {{Qt::Key_End, Qt::Key_Left}, "-95"}},
        {{{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, "80"},
         {{Qt::Key_End, Qt::Key_PageDown}, "-50"},
         {{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}, "20"}},
        {{{Qt::Key_End, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}, "-80"},
         {{Qt::Key_End}, "-100"},
         {{Qt::Key_End}, "-100"}},
    };
    const QList<QStringList> poles = {{"domácí", "divoké"}, {"chlupaté", "nechlupaté"}, {"létá", "nelétá"}};
    for (int o = 0; o < 5; ++o) {
      script.Then(rating, [=, this] {
        QVERIFY(hlavni_->K->isVisible());
        QCOMPARE(rating->Tag, o);
        QCOMPARE(rating->Panel3->text(), objects[o]);
        QCOMPARE(TabTexts(rating->Sesit), (QStringList{"1.", "2.", "3."}));
        QCOMPARE(rating->Sesit->currentIndex(), 0);
        for (int k = 0; k < 3; ++k) {
          if (k > 0) ClickTab(rating->Sesit, k);
          QCOMPARE(rating->Sesit->currentIndex(), k);
          QCOMPARE(rating->ZP->text(), poles[k][0]);
          QCOMPARE(rating->KP->text(), poles[k][1]);
          QCOMPARE(rating->T->text(), QStringLiteral("0"));
          for (const Qt::Key key : ratings[o][k].keys) QTest::keyClick(rating->Mira, key);
          QCOMPARE(rating->T->text(), ratings[o][k].shown);
          QCOMPARE(hlavni_->Base().ObjectValue(o, k), ratings[o][k].shown.toInt());
          QCOMPARE(hlavni_->Base().ConstructValue(o, k), ratings[o][k].shown.toInt());
        }
        QVERIFY(dialogs_->notices.isEmpty());
        Click(rating->OKBtn);
      });
    }

    const QString problem = script.Run([&] { Click(zahaj->OKBtn); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!zahaj->isVisible());
    QCOMPARE(dialogs_->notices, QStringList{kSaveAdvice});
    QCOMPARE(ListNames(hlavni_->O), objects);
    QCOMPARE(ListNames(hlavni_->K), (QStringList{"domácí", "chlupaté", "létá"}));
    QVERIFY(hlavni_->O->isVisible() && hlavni_->K->isVisible());
    QCOMPARE(Status(), (QStringList{"Počet objektů: 5", "Počet konstruktů: 3"}));
    QCOMPARE(hlavni_->CurrentFileName(), QString());

    dialogs_->saveAnswers << Path("nova");
    hlavni_->Ulozit->trigger();
    QVERIFY(dialogs_->questions.isEmpty());
    QCOMPARE(Bytes("nova.tab"), QByteArray("dom\xe1""c\xed\tdivok\xe9\t100\t50\t100\t80\t-80\r\n"
                                           "chlupat\xe9\tnechlupat\xe9\t90\t100\t45\t-50\t-100\r\n"
                                           "l\xe9t\xe1\tnel\xe9t\xe1\t-100\t-100\t-95\t20\t-100\r\n"));
    QCOMPARE(Bytes("nova.O"), QByteArray("ko\xe8ka\r\nk\xf9\xf2\r\nPes\r\nslepice\r\n\x8e\xe1""ba\r\n"));
  }

  void startRefusesTheUpperOfTwoEqualNamesUntilReplaced() {
    TZahaj* zahaj = forms_->Zahaj;
    TNovy* novy = forms_->Novy;
    hlavni_->NovaBaze->trigger();
    FillStart({"Kocka", "kocka", "Pes", "Kůň", "Žába"});
    QString problem = ModalScript().Run([&] { Click(zahaj->OKBtn); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(zahaj->isVisible());
    QCOMPARE(ListNames(hlavni_->O), (QStringList{"kocka", "Kůň", "Pes", "Žába"}));
    QVERIFY(!hlavni_->O->isVisible());
    QVERIFY(dialogs_->notices.isEmpty());
    QCOMPARE(zahaj->Edits[0]->text(), QStringLiteral("Kocka"));

    Retype(zahaj->Edits[0], QStringLiteral("Slepice"));
    // Every triad left with Storno: the position still moves on.
    ModalScript script;
    for (const QString triad : {"kocka,\nKůň,\nPes", "Kůň,\nPes,\nSlepice", "Pes,\nSlepice,\nŽába"}) {
      script.Then(novy, [=] {
        QCOMPARE(novy->Trojice->text(), triad);
        Type(novy->Edit1, QStringLiteral("zbytečné"));
        Click(novy->Storno);
      });
    }
    problem = script.Run([&] { Click(zahaj->OKBtn); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!zahaj->isVisible());
    QCOMPARE(ListNames(hlavni_->O), (QStringList{"kocka", "Kůň", "Pes", "Slepice", "Žába"}));
    QCOMPARE(hlavni_->Base().ConstructCount(), 0);
    QCOMPARE(dialogs_->notices, (QStringList{kNoConstruct, kSaveAdvice}));
  }

  void startRefusesAnEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("explained");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("only spaces") << QStringLiteral("   ") << false;
    QTest::newRow("outside Windows-1250") << QStringLiteral("日本") << true;
  }
  void startRefusesAnEntry() {
    QFETCH(QString, entry);
    QFETCH(bool, explained);
    TZahaj* zahaj = forms_->Zahaj;
    hlavni_->NovaBaze->trigger();
    FillStart({"Pes", "kočka", entry, "kůň", "slepice"});
    QCOMPARE(zahaj->Edits[2]->text(), entry);
    const QString problem = ModalScript().Run([&] { Click(zahaj->OKBtn); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(zahaj->isVisible());
    QCOMPARE(ListNames(hlavni_->O), (QStringList{"kočka", "kůň", "Pes", "slepice"}));
    QCOMPARE(dialogs_->notices.size(), explained ? 1 : 0);
    if (explained) QVERIFY2(dialogs_->notices[0].contains(QStringLiteral("日")), qPrintable(dialogs_->notices[0]));
    // Storno drops the objects this start had already taken.
    QTest::mouseClick(zahaj->CancelBtn, Qt::LeftButton);
    QVERIFY(!zahaj->isVisible());
    QVERIFY(hlavni_->Base().empty());
    QCOMPARE(hlavni_->O->model()->rowCount(), 0);
  }

  void stornoLeavesTheBaseEmptyAndTheListsHidden() {
    QVERIFY(OpenThroughMenu("zvirata.tab").isEmpty());
    dialogs_->confirmAnswers << false;
    hlavni_->NovaBaze->trigger();
    QCOMPARE(dialogs_->questions, QStringList{"Uložit bázi znalostí?"});
    FillStart({"a", "b", "c", "d", "e"});
    QTest::mouseClick(forms_->Zahaj->CancelBtn, Qt::LeftButton);
    QVERIFY(!forms_->Zahaj->isVisible());
    QVERIFY(hlavni_->Base().empty());
    QCOMPARE(hlavni_->O->model()->rowCount(), 0);
    QVERIFY(!hlavni_->O->isVisible() && !hlavni_->K->isVisible());
    QVERIFY(hlavni_->Ulozit->isEnabled());
    QCOMPARE(hlavni_->Tag, 1);
    // Nothing rewrites the status until a naming dialog's OK.
    QCOMPARE(Status(), (QStringList{"Počet objektů: 5", "Počet konstruktů: 3"}));
    QVERIFY(dialogs_->notices.isEmpty());
  }

  // --- Rating dialog -------------------------------------------------------

  void sliderStoresTheNegatedPosition_data() {
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<QString>("shown");
    // kočka on domácí starts at 60, i.e. the slider at -60.
    QTest::newRow("far left") << QList<Qt::Key>{Qt::Key_Home} << QStringLiteral("100");
    QTest::newRow("far right") << QList<Qt::Key>{Qt::Key_End} << QStringLiteral("-100");
    QTest::newRow("middle") << QList<Qt::Key>{Qt::Key_Home, Qt::Key_PageUp, Qt::Key_PageUp} << QStringLiteral("0");
    QTest::newRow("arrow right") << QList<Qt::Key>{Qt::Key_Right} << QStringLiteral("55");
    QTest::newRow("arrow left") << QList<Qt::Key>{Qt::Key_Left} << QStringLiteral("65");
    QTest::newRow("page up") << QList<Qt::Key>{Qt::Key_PageUp} << QStringLiteral("10");
    QTest::newRow("page down") << QList<Qt::Key>{Qt::Key_End, Qt::Key_PageDown} << QStringLiteral("-50");
  }
  void sliderStoresTheNegatedPosition() {
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(QString, shown);
    QVERIFY(OpenThroughMenu("zvirata.tab").isEmpty());
    const QByteArray grid = Bytes("zvirata.tab");
    TZadejTab* rating = forms_->ZadejTab;
    ModalScript script;
    script.Then(rating, [=, this] {
      QCOMPARE(rating->T->text(), QStringLiteral("60"));
      QCOMPARE(rating->Mira->value(), -60);
      for (const Qt::Key key : keys) {
        QTest::keyClick(rating->Mira, key);
        // Stored with every move, not at OK.
        QCOMPARE(hlavni_->Base().ObjectValue(0, 0), -rating->Mira->value());
        QCOMPARE(hlavni_->Base().ConstructValue(0, 0), -rating->Mira->value());
      }
      QCOMPARE(rating->T->text(), shown);
      Click(rating->OKBtn);
    });
    const QString problem = script.Run([&] { ClickObject(0); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(hlavni_->Base().ObjectValue(0, 0), shown.toInt());
    QCOMPARE(hlavni_->Base().ObjectValue(0, 1), 100);
    QCOMPARE(Bytes("zvirata.tab"), grid);
  }

  void ratingOpensOnTheNamingDialogsTab_data() {
    QTest::addColumn<int>("novyTag");
    QTest::addColumn<int>("tab");
    QTest::newRow("second construct") << 1 << 1;
    QTest::newRow("third construct") << 2 << 2;
    QTest::newRow("past the last tab") << 3 << 0;
    QTest::newRow("negative") << -1 << 0;
  }
  void ratingOpensOnTheNamingDialogsTab() {
    QFETCH(int, novyTag);
    QFETCH(int, tab);
    QVERIFY(OpenThroughMenu("zvirata.tab").isEmpty());
    forms_->Novy->Tag = novyTag;
    TZadejTab* rating = forms_->ZadejTab;
    const QList<QStringList> shown = {{"domácí", "divoké", "100"}, {"chlupaté", "lysé", "100"}, {"létá", "neletí", "-100"}};
    ModalScript script;
    script.Then(rating, [=, this] {
      QCOMPARE(rating->Tag, 2);
      QCOMPARE(rating->Panel3->text(), QStringLiteral("pes"));
      QCOMPARE(TabTexts(rating->Sesit), (QStringList{"1.", "2.", "3."}));
      QCOMPARE(rating->Sesit->currentIndex(), tab);
      for (int k : {tab, 0, 2, 1, 2}) {
        if (k != rating->Sesit->currentIndex()) ClickTab(rating->Sesit, k);
        QCOMPARE(rating->Sesit->currentIndex(), k);
        QCOMPARE((QStringList{rating->ZP->text(), rating->KP->text(), rating->T->text()}), shown[k]);
      }
      Click(rating->OKBtn);
    });
    const QString problem = script.Run([&] { ClickObject(2); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // Looking at the tabs stored nothing new.
    for (int k = 0; k < 3; ++k) QCOMPARE(hlavni_->Base().ObjectValue(2, k), shown[k][2].toInt());
  }

  void ratingOutsideTheScaleShowsAtTheNearerEnd_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("above") << 150 << QStringLiteral("100");
    QTest::newRow("below") << -250 << QStringLiteral("-100");
  }
  void ratingOutsideTheScaleShowsAtTheNearerEnd() {
    QFETCH(int, stored);
    QFETCH(QString, shown);
    // The file holds 150 for České Budějovice on velké.
    CopyIn(QStringLiteral(KELO_TEST_DATA "/cli"), {"mimo_rozsah.tab", "mimo_rozsah.O"});
    QVERIFY(OpenThroughMenu("mimo_rozsah.tab").isEmpty());
    QCOMPARE(hlavni_->Base().ObjectValue(1, 1), 150);
    hlavni_->Base().SetValue(stored, 1, 1);
    forms_->Novy->Tag = 1;
    TZadejTab* rating = forms_->ZadejTab;
    ModalScript script;
    script.Then(rating, [=] {
      QCOMPARE(rating->ZP->text(), QStringLiteral("velké"));
      QCOMPARE(rating->T->text(), shown);
      QCOMPARE(rating->Mira->value(), -shown.toInt());
      Click(rating->OKBtn);
    });
    const QString problem = script.Run([&] { ClickObject(1); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(hlavni_->Base().ObjectValue(1, 1), shown.toInt());
    QCOMPARE(hlavni_->Base().ConstructValue(1, 1), shown.toInt());
  }

  void ratingNeedsAConstructAndAnObject_data() {
    QTest::addColumn<bool>("withConstructs");
    QTest::addColumn<int>("object");
    QTest::addColumn<QString>("notice");
    QTest::newRow("no construct") << false << 0 << kNoConstruct;
    QTest::newRow("object past the end") << true << 5 << QStringLiteral("Objekt k hodnocení v bázi není.");
    QTest::newRow("negative object") << true << -1 << QStringLiteral("Objekt k hodnocení v bázi není.");
  }
  void ratingNeedsAConstructAndAnObject() {
    QFETCH(bool, withConstructs);
    QFETCH(int, object);
    QFETCH(QString, notice);
    if (withConstructs)
      QVERIFY(OpenThroughMenu("zvirata.tab").isEmpty());
    else
      QVERIFY(hlavni_->Base().AddNewObject("Brno").ok());
    TZadejTab* rating = forms_->ZadejTab;
    rating->Tag = object;
    const QString problem = ModalScript().Run([&] { rating->ShowModal(); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!rating->isVisible());
    QCOMPARE(dialogs_->notices, QStringList{notice});
  }

  // --- Naming dialog -------------------------------------------------------

  void newObjectTakesItsSortedPlaceAndIsSaved_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("grid");
    QTest::addColumn<QByteArray>("objects");
    QTest::newRow("middle") << QStringLiteral("mravenec") << 2
                            << QByteArray("dom\xe1""c\xed\tdivok\xe9\t60\t70\t0\t100\t80\t-80\r\n"
                                          "chlupat\xe9\tlys\xe9\t100\t80\t0\t100\t-50\t-100\r\n"
                                          "l\xe9t\xe1\tnelet\xed\t-100\t-100\t0\t-100\t-20\t-100\r\n")
                            << QByteArray("ko\xe8ka\r\nk\xf9\xf2\r\nmravenec\r\npes\r\nslepice\r\n\x9e\xe1""ba\r\n");
    // Czech "ch" sorts after "h", but still before "k".
    QTest::newRow("ch first") << QStringLiteral("chobotnice") << 0
                              << QByteArray("dom\xe1""c\xed\tdivok\xe9\t0\t60\t70\t100\t80\t-80\r\n"
                                            "chlupat\xe9\tlys\xe9\t0\t100\t80\t100\t-50\t-100\r\n"
                                            "l\xe9t\xe1\tnelet\xed\t0\t-100\t-100\t-100\t-20\t-100\r\n")
                              << QByteArray("chobotnice\r\nko\xe8ka\r\nk\xf9\xf2\r\npes\r\nslepice\r\n\x9e\xe1""ba\r\n");
    QTest::newRow("last") << QStringLiteral("želva") << 5
                          << QByteArray("dom\xe1""c\xed\tdivok\xe9\t60\t70\t100\t80\t-80\t0\r\n"
                                        "chlupat\xe9\tlys\xe9\t100\t80\t100\t-50\t-100\t0\r\n"
                                        "l\xe9t\xe1\tnelet\xed\t-100\t-100\t-100\t-20\t-100\t0\r\n")
                          << QByteArray("ko\xe8ka\r\nk\xf9\xf2\r\npes\r\nslepice\r\n\x9e\xe1""ba\r\n\x9e""elva\r\n");
  }
  void newObjectTakesItsSortedPlaceAndIsSaved() {
    QFETCH(QString, name);
    QFETCH(int, position);
    QFETCH(QByteArray, grid);
    QFETCH(QByteArray, objects);
    QVERIFY(OpenThroughMenu("zvirata.tab").isEmpty());
    TNovy* novy = forms_->Novy;
    hlavni_->Tag = 2;
    ModalScript script;
    script.Then(novy, [=] {
      QCOMPARE(novy->Label1->text(), QStringLiteral("Zadejte nový objekt :"));
      QVERIFY(!novy->Trojice->isVisible() && !novy->Label3->isVisible());
      for (const QChar c : name) {
        Type(novy->Edit1, c);
        QVERIFY(!novy->Edit2->isVisible() && !novy->Label4->isVisible());
      }
      QCOMPARE(novy->Edit1->text(), name);
      Click(novy->OKBtn);
    });
    const QString problem = script.Run([&] { novy->exec(); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(ListNames(hlavni_->O).indexOf(name), position);
    QCOMPARE(hlavni_->O->model()->rowCount(), 6);
    QCOMPARE(forms_->ZadejTab->Tag, position);
    QCOMPARE(Status(), (QStringList{"Počet objektů: 6", "Počet konstruktů: 3"}));
    QCOMPARE(Bytes("zvirata.tab"), grid);
    QCOMPARE(Bytes("zvirata.O"), objects);
    QVERIFY(dialogs_->notices.isEmpty());
  }

  void newConstructIsSavedAndGivesEveryConsultationAColumn() {
    CopyIn(QStringLiteral(KELO_EXAMPLES), {"dovolena.tab", "dovolena.O", "dovolena.kon"});
    QVERIFY(OpenThroughMenu("dovolena.tab").isEmpty());
    const QByteArray grid = Bytes("dovolena.tab"), objects = Bytes("dovolena.O");
    TNovy* novy = forms_->Novy;
    hlavni_->Tag = 3;
    ModalScript script;
    script.Then(novy, [=] {
      QCOMPARE(novy->Label1->text(), QStringLiteral("Zadejte nový konstrukt :"));
      QVERIFY(!novy->Trojice->isVisible() && !novy->Label3->isVisible() && !novy->Edit2->isVisible());
      Type(novy->Edit1, QStringLiteral("moderní"));
      QCOMPARE(novy->Edit2->text(), QStringLiteral("nemoderní"));
      QVERIFY(novy->Edit2->isVisible());
      Click(novy->OKBtn);
    });
    QString problem = script.Run([&] { novy->exec(); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(novy->Tag, 6);
    QCOMPARE(ListNames(hlavni_->K).indexOf(QStringLiteral("moderní")), 6);
    QCOMPARE(Status(), (QStringList{"Počet objektů: 16", "Počet konstruktů: 11"}));
    QCOMPARE(Bytes("dovolena.kon"), QByteArray("Rodinn\xe1 dovolen\xe1 u mo\xf8""e\r\n"
                                               "0\t0\t0\t0\t50\t50\t0\t0\t50\t100\t100\r\n"
                                               "0\t0\t0\t0\t40\t60\t0\t0\t80\t100\t100\r\n"
                                               "Zimn\xed v\xed""kend na hor\xe1""ch\r\n"
                                               "100\t100\t50\t100\t0\t50\t0\t0\t50\t0\t0\r\n"
                                               "80\t100\t50\t100\t0\t40\t0\t0\t-60\t0\t0\r\n"));
    QList<QByteArray> lines = Lines(grid);
    lines.insert(6, "modern\xed\tnemodern\xed\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n");
    QCOMPARE(Bytes("dovolena.tab"), Joined(lines));
    QCOMPARE(Bytes("dovolena.O"), objects);

    // The next rating opens on the new construct.
    TZadejTab* rating = forms_->ZadejTab;
    script.Then(rating, [=] {
      QCOMPARE(rating->Sesit->count(), 11);
      QCOMPARE(rating->Sesit->currentIndex(), 6);
      QCOMPARE(rating->ZP->text(), QStringLiteral("moderní"));
      QCOMPARE(rating->T->text(), QStringLiteral("0"));
      Click(rating->OKBtn);
    });
    problem = script.Run([&] { ClickObject(0); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void renamedConstructMovesWithItsRatingsAndConsultationColumns() {
    CopyIn(QStringLiteral(KELO_EXAMPLES), {"dovolena.tab", "dovolena.O", "dovolena.kon"});
    QVERIFY(OpenThroughMenu("dovolena.tab").isEmpty());
    const QByteArray grid = Bytes("dovolena.tab");
    const KnowledgeBase& base = hlavni_->Base();
    QList<int> ratings;
    for (int o = 0; o < base.ObjectCount(); ++o) ratings << base.ObjectValue(o, 0);
    TNovy* novy = forms_->Novy;
    hlavni_->Tag = 5;
    novy->RenamedConstruct = 0;
    ModalScript script;
    script.Then(novy, [=] {
      QCOMPARE(novy->Label1->text(), QStringLiteral("Opravte jméno konstruktu :"));
      QCOMPARE(novy->Edit1->text(), QStringLiteral("blízko"));
      QCOMPARE(novy->Edit2->text(), QStringLiteral("daleko"));
      QVERIFY(novy->Edit2->isVisible() && novy->Label4->isVisible());
      QVERIFY(!novy->Trojice->isVisible());
      Retype(novy->Edit1, QStringLiteral("nedaleko"));
      QCOMPARE(novy->Edit2->text(), QStringLiteral("nenedaleko"));
      Retype(novy->Edit2, QStringLiteral("daleko"));
      Click(novy->OKBtn);
    });
    const QString problem = script.Run([&] { novy->exec(); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(novy->RenamedConstruct, 5);
    QCOMPARE(ListNames(hlavni_->K),
             (QStringList{"celoroční", "domluvíte se česky", "horská turistika", "klidná", "levná", "nedaleko",
                          "plno památek", "teplé počasí", "u moře", "vhodná pro malé děti"}));
    for (int o = 0; o < base.ObjectCount(); ++o) {
      QCOMPARE(base.ObjectValue(o, 5), ratings[o]);
      QCOMPARE(base.ConstructValue(o, 5), ratings[o]);
    }
    QCOMPARE(Status(), (QStringList{"Počet objektů: 16", "Počet konstruktů: 10"}));
    QCOMPARE(Bytes("dovolena.kon"), QByteArray("Rodinn\xe1 dovolen\xe1 u mo\xf8""e\r\n"
                                               "0\t0\t0\t50\t50\t0\t0\t50\t100\t100\r\n"
                                               "0\t0\t0\t40\t60\t0\t0\t80\t100\t100\r\n"
                                               "Zimn\xed v\xed""kend na hor\xe1""ch\r\n"
                                               "100\t50\t100\t0\t50\t100\t0\t50\t0\t0\r\n"
                                               "100\t50\t100\t0\t40\t80\t0\t-60\t0\t0\r\n"));
    QList<QByteArray> lines = Lines(grid);
    lines.removeFirst();
    lines.insert(5, "nedaleko\tdaleko\t-100\t-40\t80\t-70\t-60\t-50\t90\t80\t0\t-30\t50\t-40\t90\t90\t70\t50\r\n");
    QCOMPARE(Bytes("dovolena.tab"), Joined(lines));
  }

  void refusedOrCancelledNameChangesNothing_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");  // empty: the user presses Storno at once
    const QString object = QStringLiteral("Objekt tohoto jména už v bázi je.");
    const QString construct = QStringLiteral("Konstrukt tohoto jména už v bázi je.");
    QTest::newRow("object named like another") << 2 << QStringLiteral("PES") << object;
    QTest::newRow("construct named like another") << 3 << QStringLiteral("DOMÁCÍ") << construct;
    QTest::newRow("renamed like another construct") << 5 << QStringLiteral("CHLUPATÉ") << construct;
    QTest::newRow("Storno on a new object") << 2 << QStringLiteral("mravenec") << QString();
    QTest::newRow("Storno on a new construct") << 3 << QStringLiteral("moderní") << QString();
    QTest::newRow("Storno on a new name") << 5 << QStringLiteral("zdomácnělé") << QString();
  }
  void refusedOrCancelledNameChangesNothing() {
    QFETCH(int, mode);
    QFETCH(QString, name);
    QFETCH(QString, notice);
    Write("zvirata.kon", "test\r\n100\t0\t50\r\n80\t0\t-20\r\n");
    QVERIFY(OpenThroughMenu("zvirata.tab").isEmpty());
    // An unsaved change, so that any save would show in the files.
    hlavni_->Base().SetValue(-5, 0, 0);
    const QStringList files = {"zvirata.tab", "zvirata.O", "zvirata.kon"};
    QList<QByteArray> before;
    for (const QString& file : files) before << Bytes(file);
    const QStringList objects = ListNames(hlavni_->O), constructs = ListNames(hlavni_->K), status = Status();
    TNovy* novy = forms_->Novy;
    hlavni_->Tag = mode;
    novy->RenamedConstruct = 0;
    novy->Tag = 1;
    forms_->ZadejTab->Tag = 4;
    ModalScript script;
    script.Then(novy, [=, this] {
      Retype(novy->Edit1, name);
      if (!notice.isEmpty()) {
        Click(novy->OKBtn);
        QVERIFY(novy->isVisible());
        QCOMPARE(dialogs_->notices, QStringList{notice});
      }
      Click(novy->Storno);
    });
    const QString problem = script.Run([&] { novy->exec(); });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!novy->isVisible());
    for (int i = 0; i < files.size(); ++i) QVERIFY2(Bytes(files[i]) == before[i], qPrintable(files[i]));
    QCOMPARE(ListNames(hlavni_->O), objects);
    QCOMPARE(ListNames(hlavni_->K), constructs);
    QCOMPARE(Status(), status);
    QCOMPARE(hlavni_->Base().ObjectValue(0, 0), -5);
    QCOMPARE(hlavni_->Base().ConstructValue(0, 0), -5);
    QCOMPARE(hlavni_->Base().O[0].Values.size(), std::size_t{3});
    QCOMPARE(hlavni_->Base().K[0].Opposite, std::string("divoké"));
    QCOMPARE(novy->Tag, 1);
    QCOMPARE(novy->RenamedConstruct, 0);
    QCOMPARE(forms_->ZadejTab->Tag, 4);
    if (notice.isEmpty()) QVERIFY(dialogs_->notices.isEmpty());
  }
};

}  // namespace kelo::ui

QTEST_MAIN(kelo::ui::ElicitationDialogsTest)
#include "elicitation_dialogs_test.moc"
