#include "core/scenario/day_dates.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/common/selection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

class UiBasicsTest : public QObject {
    Q_OBJECT
  private slots:
    void dayCounts_data() {
        QTest::addColumn<double>("day");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day zero") << 0.0 << QDate(1899, 12, 30);
        QTest::newRow("first of 1900") << 2.0 << QDate(1900, 1, 1);
        QTest::newRow("mjd origin") << -15018.0 << QDate(1858, 11, 17);
        QTest::newRow("2001-03-13") << 36963.0 << QDate(2001, 3, 13);
        QTest::newRow("2000-01-01") << 36526.0 << QDate(2000, 1, 1);
    }
    void dayCounts() {
        QFETCH(double, day);
        QFETCH(QDate, date);
        QCOMPARE(DateFromDayCount(day), date);
        QCOMPARE(DayCountFromDate(date), day);
        QCOMPARE(DateFromDayCount(day + 0.75), date); // the time of day does not change the day
    }

    void absurdDayCountsStayValid() {
        QVERIFY(DateFromDayCount(1e300).isValid());
        QVERIFY(DateFromDayCount(-1e300).isValid());
        QVERIFY(DateFromDayCount(std::numeric_limits<double>::quiet_NaN()).isValid());
        QCOMPARE(DayCountFromDate(QDate()), 0.0);
    }

    void messageResponderAnswers() {
        QStringList seen;
        SetMessageResponder([&](const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
            seen << title + "|" + text + "|" + QString::number(int(buttons)) + QString::number(int(icon));
            return buttons == MsgButtons::OkCancel ? MsgResult::Cancel : MsgResult::Ok;
        });
        QCOMPARE(ShowMessage(nullptr, "a", "T", MsgButtons::OkCancel, MsgIcon::Question), MsgResult::Cancel);
        QCOMPARE(ShowMessage(nullptr, "b", "U"), MsgResult::Ok);
        SetMessageResponder({});
        QCOMPARE(seen, (QStringList{"T|a|12", "U|b|00"}));
    }

    void modalDriverGetsTheDialog() {
        QDialog dialog;
        int driven = 0;
        SetModalDriver([&](QDialog* d) {
            ++driven;
            QVERIFY(d->isVisible());
            d->accept();
        });
        QCOMPARE(ExecModal(&dialog), int(QDialog::Accepted));
        SetModalDriver({});
        QCOMPARE(driven, 1);
        QVERIFY(!dialog.isVisible());
    }

    void programSelectionRunsHandlerOnce() {
        QComboBox box;
        int runs = 0;
        int seenIndex = -2;
        OnPick(&box, [&] {
            ++runs;
            seenIndex = box.currentIndex();
        });
        box.addItems({"a", "b", "c"});
        box.clear();
        box.addItems({"a", "b", "c"});
        QCOMPARE(runs, 0); // rebuilding a list runs nothing
        Select(&box, 0);   // already selected: still runs once
        QCOMPARE(runs, 1);
        Select(&box, 2);
        QCOMPARE(runs, 2);
        QCOMPARE(seenIndex, 2);
        emit box.activated(2); // a user's pick of the same entry runs it too
        QCOMPARE(runs, 3);
    }

    void listAndOptionSelection() {
        QListWidget list;
        list.addItems({"x", "y"});
        int listRuns = 0;
        OnPick(&list, [&] { ++listRuns; });
        Select(&list, 1);
        QCOMPARE(listRuns, 1);
        QCOMPARE(list.currentRow(), 1);

        QRadioButton option;
        int optionRuns = 0;
        OnPick(&option, [&] { ++optionRuns; });
        Select(&option);
        Select(&option);
        QCOMPARE(optionRuns, 2);
        QVERIFY(option.isChecked());

        QCheckBox check;
        int checkRuns = 0;
        OnPick(&check, [&] { ++checkRuns; });
        SetChecked(&check, true);
        SetChecked(&check, true); // no change, no click
        SetChecked(&check, false);
        QCOMPARE(checkRuns, 2);
        check.click(); // a user's click
        QCOMPARE(checkRuns, 3);
    }

    void handlerMayReattach() {
        QComboBox box;
        box.addItems({"a", "b"});
        int first = 0;
        int second = 0;
        OnPick(&box, [&] {
            ++first;
            OnPick(&box, [&] { ++second; });
        });
        Select(&box, 1);
        Select(&box, 0);
        QCOMPARE(first, 1);
        QCOMPARE(second, 1);
    }
};

QTEST_MAIN(UiBasicsTest)
#include "test_ui_basics.moc"
