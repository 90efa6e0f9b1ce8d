#pragma once
// Environment variables set or unset for as long as a scope lives, and given back their old
// values (or their absence) when it ends, so that one test's home or data folder reaches no
// other test.
#include <QByteArray>
#include <QList>
#include <QtGlobal>

class EnvironmentScope {
  public:
    EnvironmentScope() = default;
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;
    ~EnvironmentScope() {
        // Latest first, so that a variable changed twice gets its first old value back.
        for (auto saved = saved_.crbegin(); saved != saved_.crend(); ++saved) {
            if (saved->wasSet)
                qputenv(saved->name.constData(), saved->value);
            else
                qunsetenv(saved->name.constData());
        }
    }

    void Set(const char* name, const QByteArray& value) {
        Save(name);
        qputenv(name, value);
    }
    void Unset(const char* name) {
        Save(name);
        qunsetenv(name);
    }

  private:
    struct Saved {
        QByteArray name;
        QByteArray value;
        bool wasSet;
    };
    void Save(const char* name) { saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)}); }
    QList<Saved> saved_;
};
