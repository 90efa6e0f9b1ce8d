#include "tyx_fixture.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

ScriptedBoxes::ScriptedBoxes() {
    SetMessageResponder([this](const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
        shown.append({text, title, icon, buttons});
        if (expected_.isEmpty()) {
            QTest::qFail(qPrintable("Unexpected message box: " + title + ": " + text), __FILE__, __LINE__);
            return MsgResult::Cancel;
        }
        const Box want = expected_.takeFirst();
        if (want.text != text || want.title != title || want.icon != icon || want.buttons != buttons)
            QTest::qFail(qPrintable("Message box differs: got " + title + ": " + text + " / expected " +
                                    want.title + ": " + want.text),
                         __FILE__, __LINE__);
        return MsgResult::Ok;
    });
}

ScriptedBoxes::~ScriptedBoxes() {
    SetMessageResponder({});
}

void ScriptedBoxes::Expect(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) {
    expected_.append({text, title, icon, buttons});
}

bool CopyFolder(const QString& from, const QString& to) {
    QDir source(from);
    if (!QDir().mkpath(to)) return false;
    for (const QFileInfo& info : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + info.fileName();
        if (info.isDir() ? !CopyFolder(info.filePath(), target) : !QFile::copy(info.filePath(), target))
            return false;
    }
    return true;
}

QString TestData(const QString& relative) {
    return QStringLiteral(SKELVAN_TEST_DATA) + "/simulator/" + relative;
}

TyxInTemp::TyxInTemp(const QString& installation, bool start) : oldFolder_(QDir::currentPath()) {
    temp.setAutoRemove(true);
    const bool copied = CopyFolder(installation, Installation()) && QDir().mkpath(temp.path() + "/start");
    QFile setting(temp.path() + "/start/tyx.cfg");
    const bool written = setting.open(QIODevice::WriteOnly) &&
                         setting.write(QDir::toNativeSeparators(Installation()).toLocal8Bit() + "\r\n") > 0;
    setting.close();
    if (!copied || !written) QTest::qFail("The test installation could not be prepared", __FILE__, __LINE__);
    if (start) Start();
}

void TyxInTemp::Start() {
    QDir::setCurrent(temp.path() + "/start");
    window = std::make_unique<TYX>();
}

TyxInTemp::~TyxInTemp() {
    window.reset();
    QDir::setCurrent(oldFolder_);
}

QString TyxInTemp::Installation() const {
    return temp.path() + "/sim";
}
