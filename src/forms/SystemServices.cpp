// The system services with Qt: file tests and detached program starts.
#include "forms/SystemServices.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace fitzel {

namespace {

class QtSystemServices final : public SystemServices {
  public:
    bool fileExists(const std::string& path) override {
        const QFileInfo info(QString::fromLocal8Bit(path));
        return info.exists() && info.isFile();
    }

    bool startProgram(const std::string& path) override {
        if (path.empty()) {
            return false;
        }
        return QProcess::startDetached(QString::fromLocal8Bit(path), {});
    }
};

}  // namespace

SystemServices& qtSystemServices() {
    static QtSystemServices services;
    return services;
}

}  // namespace fitzel
