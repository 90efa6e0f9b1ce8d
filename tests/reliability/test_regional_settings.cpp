// The application object sets the C library's locale from the user's environment at start-up,
// so under a German or French locale the library's own conversions read and write a decimal
// comma. The number rules must read "2.5" as two and a half whatever the locale.
#include "core/text/text_rules.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cstdlib>
#include <string>

class RegionalSettingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir locales_;
    std::string saved_;
    bool comma_ = false;

  private slots:
    void initTestCase() {
        saved_ = std::setlocale(LC_ALL, nullptr);
        // A locale with a decimal comma, compiled into a private folder so the test does not
        // depend on what the machine has installed.
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), locales_.filePath(QStringLiteral("de_DE.UTF-8"))});
            qputenv("LOCPATH", locales_.path().toLocal8Bit());
        }
        comma_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
                 std::localeconv()->decimal_point == std::string(",");
    }
    void cleanupTestCase() {
        std::setlocale(LC_ALL, saved_.c_str());
        qunsetenv("LOCPATH");
    }

    void underDecimalComma_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("half") << "2.5" << 2.5 << " 2.5";
        QTest::newRow("mjd") << "51981.5" << 51981.5 << " 51981.5";
        QTest::newRow("below one") << ".0016" << 0.0016 << " .0016";
        QTest::newRow("exponent") << "-1.5E-05" << -1.5e-05 << "-1.5E-05";
        QTest::newRow("comma is no decimal point") << "1,5" << 1.0 << " 1";
    }
    void underDecimalComma() {
        if (!comma_) QSKIP("no locale with a decimal comma can be set up on this machine");
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, written);
        QCOMPARE(LeadingNumber(text), value);
        QCOMPARE(NumberText(value), written);
    }
};
QTEST_GUILESS_MAIN(RegionalSettingsTest)
#include "test_regional_settings.moc"
