// The start-up catalogs of the main window: planetary systems, spacecraft classes and station
// classes, the lock of the planetary-system choice and the change of planetary system.
#include "app/tyx.h"
#include "core/installation/class_catalogs.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"
#include "widgets/dialogs/start_up_progress.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace {
void FillList(QComboBox* box, const QStringList& entries) {
    QSignalBlocker block(box);
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
}

QString UnreadableFilesText(const QStringList& names) {
    const int shown = 10;
    QString text =
        QStringLiteral("These configuration files could not be read and are left out of the catalogs:");
    for (int i = 0; i < names.size() && i < shown; ++i)
        text += u'\r' + names[i];
    if (names.size() > shown) text += QStringLiteral("\r... and %1 more.").arg(names.size() - shown);
    return text;
}

// The pointer is restored on every way out.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
} // namespace

void TYX::FindData(const QString& flag1, const QString& flag2) {
    Buffer.clear();
    NBuffer.clear();
    KeyScan scan;
    for (const QString& name : BufferList) {
        // A file that cannot be read holds no key; the scan goes on.
        if (const auto bytes = ReadWholeFile(CfgDir->text() + name))
            AddToKeyScan(scan, name, KeysOfFile(*bytes, flag1, flag2));
    }
    Buffer = scan.files;
    NBuffer = scan.values;
}

void TYX::StartUpCatalogs() {
    const QString folder = CfgDir->text();
    BufferList = ListFiles(folder, QStringLiteral("*.cfg"));
    const QString platformFolder = PlatformPath(folder);
    QStringList unreadable;
    {
        // Each file is read once for the three catalogs; the station class files stay in memory
        // only until the dock ports are counted.
        ReadOnceScope keep;
        CatalogBuilder builder;
        StartUpProgress progress(BufferList.size());
        for (const QString& name : BufferList) {
            const QString path = folder + name;
            const auto bytes = ReadListedFile(platformFolder, name);
            if (bytes) {
                builder.Add(name, *bytes);
                if (builder.LastWasStationClass()) keep.Keep(path, *bytes);
            } else {
                unreadable.append(name);
            }
            progress.Advance();
        }
        ClassCatalogs catalogs = builder.Take();

        PlanetarySystemFile = catalogs.planetarySystemFiles;
        {
            // Each entry carries its own file, so that the pairing holds whatever is done to the list.
            QSignalBlocker block(PlanetarySystem);
            PlanetarySystem->clear();
            for (qsizetype i = 0; i < catalogs.planetarySystems.size(); ++i)
                PlanetarySystem->addItem(catalogs.planetarySystems[i], catalogs.planetarySystemFiles[i]);
            PlanetarySystem->setCurrentIndex(-1);
        }
        FillList(Spacecraft, catalogs.spacecraftClasses);
        FillList(StationClass, catalogs.stationClasses);
        Buffer = catalogs.stationClassFiles;
        NBuffer = catalogs.stationMeshNames;
        StationDockScan();
    }
    if (StationClass->count() > 0) Select(StationClass, 0);

    {
        QSignalBlocker block(Check2);
        Check2->setChecked(true);
    }
    PlanetarySystem->setEnabled(false);
    // The change runs on the system the user has just chosen; a choice made from code (the
    // scenario reader naming the system of a file) changes nothing.
    connect(PlanetarySystem, &QComboBox::activated, this, &TYX::PlanetarySystemChange, Qt::UniqueConnection);

    if (!unreadable.isEmpty())
        ShowMessage(this, UnreadableFilesText(unreadable), "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
}

void TYX::PlanetarySystemChange() {
    if (Check2->isChecked()) return;
    const int index = PlanetarySystem->currentIndex();
    const QString file = index >= 0 ? PlanetarySystem->itemData(index).toString() : QString();
    if (file.isEmpty()) return; // an entry that no system file made
    BusyPointer busy;
    ExtractPlanet(CfgDir->text() + file);
    PlanetarySystemUpdate();
}

void TYX::Check2Click() {
    if (!Check2->isChecked())
        ShowMessage(this, "As soon as you select a planetary system, all the stations and ships are reset !",
                    "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
    PlanetarySystem->setEnabled(false);
    if (!Check2->isChecked()) PlanetarySystem->setEnabled(true);
}
