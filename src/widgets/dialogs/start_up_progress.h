#pragma once
// Progress of a long start-up: a splash screen with a progress bar that appears only once the
// work has taken longer than a threshold, so that a quick start shows nothing.
#include <QElapsedTimer>
#include <memory>

class QProgressBar;
class QSplashScreen;

class StartUpProgress {
  public:
    explicit StartUpProgress(qsizetype total, int thresholdMs = 500);
    ~StartUpProgress();
    StartUpProgress(const StartUpProgress&) = delete;
    StartUpProgress& operator=(const StartUpProgress&) = delete;

    // One more unit of the work is done.
    void Advance();
    bool Shown() const { return splash_ != nullptr; }
    int Percent() const;

  private:
    void Show();

    qsizetype total_;
    qsizetype done_ = 0;
    int thresholdMs_;
    int shownPercent_ = -1;
    QElapsedTimer timer_;
    std::unique_ptr<QSplashScreen> splash_;
    QProgressBar* bar_ = nullptr;
};
