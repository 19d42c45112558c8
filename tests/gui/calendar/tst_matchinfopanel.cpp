#include "gui/calendar/MatchInfoPanel.h"

#include <memory>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "gui/pictures/Pictures.h"
#include "support/FindControl.h"
#include "support/Hover.h"

namespace {

const QString soccerCity = QStringLiteral("Soccer City (Johannesburg) TF1 11/06/10 16h00");

} // namespace

class TestMatchInfoPanel final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsIdle();
    void hoveringALabelShowsItsMatch();
    void bothTeamLabelsOfAMatchKeepTheContent();
    void scoreCellActsAsItsLabel();
    void blankFrameGivesTheIdleBoxWithoutNotice();
    void controlInsideABlankFrameKeepsTheKey();
    void backgroundResetsButKeepsTheKey();
    void knockoutPageEmptiesAndResets();
    void logos_data();
    void logos();
    void stadium_data();
    void stadium();
    void oddNotes_data();
    void oddNotes();
    void partnerClicks_data();
    void partnerClicks();

private:
    template <typename W = QWidget> W *control(const QString &name, int index = -1) const
    {
        return findControl<W>(*m_window, name, index);
    }
    bool shown(const QString &name, int index = -1) const { return !control(name, index)->isHidden(); }
    QStringList texts() const;
    void verifyIdle(bool noticeShown);

    std::unique_ptr<QWidget> m_window;
    QFrame *m_page = nullptr;
    QFrame *m_group = nullptr;
    QLabel *m_label0 = nullptr;
    QLabel *m_label1 = nullptr;
    QLineEdit *m_score0 = nullptr;
    QLineEdit *m_teamName = nullptr;
    MatchInfoPanel *m_panel = nullptr;
};

void TestMatchInfoPanel::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(1176, 760);

    // A group frame with two match labels, a score cell and a team name.
    m_group = new QFrame(m_window.get());
    m_group->setObjectName(QStringLiteral("Frame1"));
    m_group->setGeometry(3, 68, 436, 170);
    m_label0 = new QLabel(QStringLiteral("Afrique du Sud"), m_group);
    m_label0->setGeometry(10, 40, 120, 18);
    m_label0->setToolTip(soccerCity);
    m_label1 = new QLabel(QStringLiteral("Mexique"), m_group);
    m_label1->setGeometry(10, 60, 120, 18);
    m_label1->setToolTip(soccerCity);
    m_score0 = new QLineEdit(QStringLiteral("-"), m_group);
    m_score0->setGeometry(140, 40, 24, 18);
    m_teamName = new QLineEdit(QStringLiteral("France"), m_group);
    m_teamName->setGeometry(200, 100, 120, 18);

    m_page = new QFrame(m_window.get());
    m_page->setObjectName(QStringLiteral("Frame9"));
    m_page->setGeometry(1, 68, 1170, 681);
    m_page->hide();

    m_panel = new MatchInfoPanel(m_window.get(), m_page);
    m_panel->buildGroupPageCopy();
    m_panel->watchLabel(m_label0);
    m_panel->watchLabel(m_label1);
    m_panel->watchLabel(m_score0, m_label0);
    m_panel->watchBlank(m_group);
    m_panel->watchKnockoutPage(m_page);
    m_panel->watchBackground(m_window.get());

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The pointer may still stand where the last test left it; a move to
    // the same place would not count as a move.
    QTest::mouseMove(m_window->windowHandle(), QPoint(1170, 755));
}

void TestMatchInfoPanel::cleanup()
{
    m_window.reset();
}

QStringList TestMatchInfoPanel::texts() const
{
    QStringList all;
    for (int k = 0; k < 6; ++k)
        all << control<QLabel>(QStringLiteral("LabTer"), k)->text();
    return all;
}

void TestMatchInfoPanel::verifyIdle(bool noticeShown)
{
    QCOMPARE(texts(), QStringList(6, QString()));
    for (int k = 0; k < 8; ++k)
        QVERIFY2(!shown(QStringLiteral("ImChaine"), k), qPrintable(QString::number(k)));
    QVERIFY(control<QLabel>(QStringLiteral("Terrain"), 10)->pixmap().isNull());
    QVERIFY(control<QLabel>(QStringLiteral("Terrain"), 11)->pixmap().isNull());
    QVERIFY(!shown(QStringLiteral("Shape1")));
    QVERIFY(!shown(QStringLiteral("Shape2")));
    QVERIFY(shown(QStringLiteral("Image6")));
    QVERIFY(shown(QStringLiteral("Frame17")));
    QCOMPARE(shown(QStringLiteral("Label11"), 0), noticeShown);
    QCOMPARE(shown(QStringLiteral("Label11"), 1), noticeShown);
}

void TestMatchInfoPanel::startsIdle()
{
    verifyIdle(true);
}

void TestMatchInfoPanel::hoveringALabelShowsItsMatch()
{
    hover(m_label0);
    QCOMPARE(m_panel->hoverKey(), soccerCity);
    QCOMPARE(texts(),
             (QStringList{QStringLiteral("Soccer City "), QStringLiteral("11/06/10 "), QStringLiteral(" 16h00"),
                          QStringLiteral("Soccer City "), QStringLiteral("11/06/10 "), QStringLiteral(" 16h00")}));
    QVERIFY(shown(QStringLiteral("Shape1")));
    QVERIFY(shown(QStringLiteral("Shape2")));
    QVERIFY(!shown(QStringLiteral("Image6")));
    QVERIFY(!shown(QStringLiteral("Frame17")));
    QVERIFY(!shown(QStringLiteral("Label11"), 0));
    QVERIFY(!shown(QStringLiteral("Label11"), 1));
    for (int k = 0; k < 8; ++k)
        QCOMPARE(shown(QStringLiteral("ImChaine"), k), k == 1 || k == 5);
    auto *terrain = control<QLabel>(QStringLiteral("Terrain"), 10);
    const QImage soccer = Pictures::stadium(9, terrain->size()).toImage();
    QCOMPARE(terrain->pixmap().toImage(), soccer);
    QCOMPARE(control<QLabel>(QStringLiteral("Terrain"), 11)->pixmap().toImage(), soccer);
}

void TestMatchInfoPanel::bothTeamLabelsOfAMatchKeepTheContent()
{
    hover(m_label0);
    const QStringList before = texts();
    hover(m_label1);
    QCOMPARE(texts(), before);
    QVERIFY(shown(QStringLiteral("Shape1")));
    QVERIFY(shown(QStringLiteral("ImChaine"), 1));
}

void TestMatchInfoPanel::scoreCellActsAsItsLabel()
{
    m_label0->setToolTip(QStringLiteral("Durban (Durban) F2 13/06/10 20h30"));
    hover(m_score0);
    QCOMPARE(m_panel->hoverKey(), m_label0->toolTip());
    QCOMPARE(control<QLabel>(QStringLiteral("LabTer"), 0)->text(), QStringLiteral("Durban "));
    QVERIFY(shown(QStringLiteral("ImChaine"), 2));
}

void TestMatchInfoPanel::blankFrameGivesTheIdleBoxWithoutNotice()
{
    hover(m_label0);
    hover(m_group, QPoint(400, 150));
    QCOMPARE(m_panel->hoverKey(), QString());
    verifyIdle(false);
}

void TestMatchInfoPanel::controlInsideABlankFrameKeepsTheKey()
{
    hover(m_label0);
    hover(m_teamName);
    QCOMPARE(m_panel->hoverKey(), soccerCity);
    QVERIFY(shown(QStringLiteral("Shape1")));
}

void TestMatchInfoPanel::backgroundResetsButKeepsTheKey()
{
    hover(m_label0);
    hover(m_window.get(), QPoint(600, 700));
    QCOMPARE(m_panel->hoverKey(), soccerCity);
    verifyIdle(true);

    // The key did not change, so the same label brings nothing back; the
    // group frame around it empties the key first.
    hover(m_label0, QPoint(5, 5));
    QVERIFY(!shown(QStringLiteral("Shape1")));
    hover(m_group, QPoint(400, 150));
    hover(m_label0);
    QVERIFY(shown(QStringLiteral("Shape1")));
}

void TestMatchInfoPanel::knockoutPageEmptiesAndResets()
{
    hover(m_label0);
    m_page->show();
    m_page->raise();
    hover(m_page, QPoint(1000, 600));
    QCOMPARE(m_panel->hoverKey(), QString());
    verifyIdle(true);
}

void TestMatchInfoPanel::logos_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("logos");

    QTest::newRow("TF1 with C+ shows both")
        << QStringLiteral("Ellis Park (Jhb) TF1 C+ 12/06/10 20h30") << QList<int>{0, 1};
    QTest::newRow("F3 alone") << QStringLiteral("Loftus (Pretoria) F3 16/06/10 20h30") << QList<int>{3};
    QTest::newRow("no broadcaster shows none")
        << QStringLiteral("Loftus (Pretoria) 16/06/10 20h30") << QList<int>{};
}

void TestMatchInfoPanel::logos()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, logos);
    m_panel->setHoverKey(key);
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(shown(QStringLiteral("ImChaine"), k), logos.contains(k % 4));
        // A logo is drawn when first shown, as its channel's.
        const auto *logo = control<QLabel>(QStringLiteral("ImChaine"), k);
        if (logos.contains(k % 4))
            QCOMPARE(logo->pixmap().toImage(), Pictures::broadcasterLogo(k % 4, logo->size()).toImage());
    }
}

void TestMatchInfoPanel::stadium_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("picture"); // -1: none

    QTest::newRow("Soccer and Ellis: the later row wins")
        << QStringLiteral("Ellis Park ou Soccer City (Jhb) TF1 11/06/10 16h00") << 9;
    QTest::newRow("lower-case free") << QStringLiteral("Stade free State (Bloem) F2 14/06/10 16h00") << 3;
    QTest::newRow("capital Free matches nothing") << QStringLiteral("Free State (Bloem) F2 14/06/10 16h00") << -1;
    QTest::newRow("Mbombela") << QStringLiteral("Mbombela (Nelspruit) F3 16/06/10 13h30") << 7;
}

void TestMatchInfoPanel::stadium()
{
    QFETCH(QString, key);
    QFETCH(int, picture);
    m_panel->setHoverKey(soccerCity);
    m_panel->setHoverKey(key);
    for (int index : {10, 11}) {
        auto *terrain = control<QLabel>(QStringLiteral("Terrain"), index);
        if (picture < 0)
            QVERIFY(terrain->pixmap().isNull());
        else
            QCOMPARE(terrain->pixmap().toImage(), Pictures::stadium(picture, terrain->size()).toImage());
    }
}

void TestMatchInfoPanel::oddNotes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("box");

    QTest::newRow("no slash, short") << QStringLiteral("Green") << false;
    QTest::newRow("no slash, long") << QStringLiteral("Durban C+ 16h00") << true;
    QTest::newRow("lone slash") << QStringLiteral("/") << false;
    QTest::newRow("slash first") << QStringLiteral("/06") << false;
    QTest::newRow("slash second") << QStringLiteral("1/06") << false;
    QTest::newRow("slash third") << QStringLiteral("11/") << true;
    QTest::newRow("date cut short") << QStringLiteral("Green (Cape) 1/0") << true;
    QTest::newRow("bracket only") << QStringLiteral("(") << false;
    QTest::newRow("spaces") << QStringLiteral("          ") << true;
}

void TestMatchInfoPanel::oddNotes()
{
    QFETCH(QString, key);
    QFETCH(bool, box);
    m_panel->setHoverKey(key);
    QCOMPARE(shown(QStringLiteral("Shape1")), box);
    QCOMPARE(shown(QStringLiteral("Shape2")), box);
    QCOMPARE(shown(QStringLiteral("Image6")), !box);
    QCOMPARE(texts().mid(3), texts().mid(0, 3));
}

void TestMatchInfoPanel::partnerClicks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");

    QTest::newRow("partner picture") << QStringLiteral("Image6") << -1;
    QTest::newRow("notice") << QStringLiteral("Label11") << 0;
    QTest::newRow("partner's name") << QStringLiteral("Label11") << 1;
}

void TestMatchInfoPanel::partnerClicks()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QSignalSpy clicked(m_panel, &MatchInfoPanel::partnerClicked);
    QWidget *target = control(name, index);
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(m_window.get(), target->rect().center()));
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestMatchInfoPanel)
#include "tst_matchinfopanel.moc"
