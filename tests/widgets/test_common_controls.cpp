#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/common/selection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

class CommonControlsTest : public QObject {
    Q_OBJECT
  private slots:
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

    // Lists set from code run no handler: neither the user's pick signal nor the index signal
    // fires while a list is refilled or an entry selected, so a tab runs its own handler once.
    void quietSelectionRunsNoHandler() {
        QComboBox box;
        int picks = 0;
        int indexChanges = 0;
        connect(&box, &QComboBox::activated, &box, [&] { ++picks; });
        connect(&box, &QComboBox::currentIndexChanged, &box, [&] { ++indexChanges; });
        FillQuietly(&box, {"a", "b", "c"}, 1);
        QCOMPARE(box.currentIndex(), 1);
        SetIndexQuietly(&box, 2);
        QCOMPARE(box.currentIndex(), 2);
        FillQuietly(&box, {"x"});
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(Entries(&box), QStringList({"x"}));
        QCOMPARE(picks, 0);
        QCOMPARE(indexChanges, 0);
        emit box.activated(0); // a user's pick still reaches its handler
        QCOMPARE(picks, 1);
    }

    // The reset of the ship tab clears every status option, which an exclusive group of
    // options does not allow by itself.
    void quietOptionsCanAllBeCleared() {
        QWidget frame;
        QRadioButton first(&frame);
        QRadioButton second(&frame);
        int clicks = 0;
        connect(&first, &QRadioButton::toggled, &frame, [&] { ++clicks; });
        SetCheckedQuietly(&first, true);
        QVERIFY(first.isChecked());
        SetCheckedQuietly(&second, true);
        QVERIFY(second.isChecked());
        QVERIFY(!first.isChecked()); // checking one still unchecks the other
        SetCheckedQuietly(&second, false);
        QVERIFY(!first.isChecked() && !second.isChecked());
        QVERIFY(second.autoExclusive());
        QCOMPARE(clicks, 1); // the other option's own change when second was checked

        QCheckBox check;
        int toggles = 0;
        connect(&check, &QCheckBox::toggled, &check, [&] { ++toggles; });
        SetCheckedQuietly(&check, true);
        QVERIFY(check.isChecked());
        QCOMPARE(toggles, 0);
    }

    void numberEntries_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("none") << 0 << QStringList();
        QTest::newRow("three") << 3 << QStringList({"0", "1", "2"});
    }

    void numberEntries() {
        QFETCH(int, count);
        QFETCH(QStringList, entries);
        QCOMPARE(NumberEntries(count), entries);
        QCOMPARE(NumberEntries(60).size(), 60);
    }
};

QTEST_MAIN(CommonControlsTest)
#include "test_common_controls.moc"
