#include "widgets/dialogs/start_up_progress.h"
#include "widgets/common/object_names.h"

#include <QApplication>
#include <QPixmap>
#include <QProgressBar>
#include <QSplashScreen>

StartUpProgress::StartUpProgress(qsizetype total, int thresholdMs)
    : total_(total), thresholdMs_(thresholdMs) {
    timer_.start();
}

StartUpProgress::~StartUpProgress() {
    if (splash_) splash_->close();
}

int StartUpProgress::Percent() const {
    return total_ > 0 ? static_cast<int>(done_ * 100 / total_) : 100;
}

void StartUpProgress::Show() {
    QPixmap picture(QStringLiteral(":/app/splash.png"));
    if (picture.isNull()) {
        picture = QPixmap(420, 160);
        picture.fill(Qt::black);
    }
    splash_ = std::make_unique<QSplashScreen>(picture);
    splash_->setObjectName(ObjectNames::StartUpProgress);
    bar_ = new QProgressBar(splash_.get());
    bar_->setRange(0, 100);
    const int height = 18;
    bar_->setGeometry(8, splash_->height() - height - 8, splash_->width() - 16, height);
    splash_->showMessage(QStringLiteral("Reading the simulator's configuration files..."),
                         Qt::AlignHCenter | Qt::AlignTop, Qt::white);
    splash_->show();
}

void StartUpProgress::Advance() {
    ++done_;
    if (!splash_) {
        if (timer_.elapsed() <= thresholdMs_) return;
        Show();
    }
    const int percent = Percent();
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    bar_->setValue(percent);
    splash_->repaint();
    // Only painting is wanted here: the user cannot act before the window exists.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
