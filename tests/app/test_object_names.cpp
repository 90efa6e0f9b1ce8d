// Other programs and the tests find the windows' controls by their object names. This test
// lists, window by window, every named object with the nearest Qt class it is, and compares
// the list with the one kept in tests/data, so that a rework of the windows cannot drop or
// retype a name unnoticed.
#include "support/simulator_fixture.h"
#include "widgets/dialogs/date_change_dialog.h"
#include "widgets/dialogs/place_beside_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>

namespace {
const char* const kListFile = "object_names.txt";

// The first class of the object's ancestry that is Qt's own, not one of this program's.
QString NearestQtClass(const QObject* object) {
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass()) {
        const QString name = QString::fromLatin1(meta->className());
        if (name.startsWith(u'Q') && !name.contains(u':')) return name;
    }
    return QStringLiteral("?");
}

// One line per named object of the window and its children: "<window> <name> <class>".
// A child that is a window of its own is listed under its own name, not here (a menu is a
// window too, but belongs to its menu bar). Qt's own inner parts are left out: they are not
// ours to keep.
bool QtsOwnName(const QString& name) {
    return name.startsWith(QLatin1String("qt_")) || name == QLatin1String("_layout") ||
           name == QLatin1String("ScrollLeftButton") || name == QLatin1String("ScrollRightButton");
}

void Collect(const QString& top, const QObject* object, QStringList& lines) {
    const QString name = object->objectName();
    if (!name.isEmpty() && !QtsOwnName(name)) lines.append(top + u' ' + name + u' ' + NearestQtClass(object));
    for (const QObject* child : object->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget)) continue;
        Collect(top, child, lines);
    }
}

QStringList NamedObjects(const QObject* window) {
    QStringList lines;
    Collect(window->objectName(), window, lines);
    return lines;
}

QWidget* TopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name) return widget;
    }
    return nullptr;
}

QStringList ReadList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return lines;
}
} // namespace

class ObjectNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyNamedObjectIsKept() {
        SimulatorFixture sim(AppInstallation());
        QVERIFY(sim.Ok());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QVERIFY(w->StartedUp());
        LoadScenario(*w, "Mission.scn");
        QStringList found = NamedObjects(w.get());

        // The dialogs, each opened from its menu item and closed again.
        struct Opened {
            const char* action;
            const char* dialog;
        };
        for (const Opened& open : {Opened{ObjectNames::Menu12, ObjectNames::LoadFile},
                                   Opened{ObjectNames::Menu14, ObjectNames::SaveAs},
                                   Opened{ObjectNames::Menu11, ObjectNames::DeleteFile},
                                   Opened{ObjectNames::Menu22, ObjectNames::About},
                                   Opened{ObjectNames::MenuChanges, ObjectNames::ScenarioChanges}}) {
            DialogScript dialogs;
            dialogs.Expect(open.dialog, [&found](QDialog* dialog) {
                found += NamedObjects(dialog);
                dialog->reject();
            });
            MessageBoxScript prompt;
            if (QLatin1String(open.action) == QLatin1String(ObjectNames::Menu12))
                prompt.ExpectStart("Do you wish to save", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                                   MsgIcon::None, MsgResult::Cancel);
            QVERIFY2(ChooseMenuItem(*w, open.action), open.action);
            VERIFY_SCRIPT_DONE(dialogs);
            VERIFY_SCRIPT_DONE(prompt);
        }
        {
            DialogScript dialogs;
            dialogs.Expect(ObjectNames::SkelvanFolderSearch, [&found](QDialog* dialog) {
                found += NamedObjects(dialog);
                dialog->reject();
            });
            MessageBoxScript restart;
            restart.Expect("You must restart the program to take into account the modification.",
                           "Information", MsgButtons::Ok, MsgIcon::Information);
            ChooseMenuItem(*w, ObjectNames::Menu32);
            VERIFY_SCRIPT_DONE(dialogs);
            VERIFY_SCRIPT_DONE(restart);
        }
        {
            // The question of a start date's change, as it opens over ships by position and velocity.
            DateChangeDialog question(1, 2, w.get());
            found += NamedObjects(&question);
        }
        {
            // The window that puts a ship beside another, with two entries to pick from.
            PlaceBesideDialog beside({"Lifter (Tarn)", "Depot (Tarn)"}, "Pipit", w.get());
            found += NamedObjects(&beside);
        }
        // The windows that stay open beside the main window.
        for (const char* action : {ObjectNames::Menu31, ObjectNames::Menu21, ObjectNames::MenuScenarioMap})
            ChooseMenuItem(*w, action);
        for (const char* window :
             {ObjectNames::PlanetarySystemInformation, ObjectNames::HelpWindow, ObjectNames::ScenarioMap}) {
            QWidget* shown = TopLevel(window);
            QVERIFY2(shown, window);
            found += NamedObjects(shown);
            shown->close();
        }
        std::sort(found.begin(), found.end());

        const QString listPath = TestDataPath(QStringLiteral("app/") + kListFile);
        if (qEnvironmentVariableIsSet("SKELVAN_WRITE_OBJECT_NAMES")) {
            QFile out(listPath);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write((found.join(u'\n') + u'\n').toUtf8());
        }
        const QStringList kept = ReadList(listPath);
        QVERIFY2(!kept.isEmpty(), qPrintable("no list in " + listPath));
        QStringList missing, added;
        std::set_difference(kept.begin(), kept.end(), found.begin(), found.end(),
                            std::back_inserter(missing));
        std::set_difference(found.begin(), found.end(), kept.begin(), kept.end(), std::back_inserter(added));
        QVERIFY2(missing.isEmpty(), qPrintable("missing or changed: " + missing.join(", ")));
        // New names may come; the list is then written anew with SKELVAN_WRITE_OBJECT_NAMES=1.
        if (!added.isEmpty()) qWarning("named objects not in the list yet: %s", qPrintable(added.join(", ")));
    }
};

QTEST_MAIN(ObjectNamesTest)
#include "test_object_names.moc"
