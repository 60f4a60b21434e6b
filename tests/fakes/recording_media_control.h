#pragma once

#include "media_control.h"

#include <QStringList>

#include <memory>

namespace piyota::testing {

// A media control that only writes down what it is told, one entry a step:
// "FileName=<name>" or "Command=<word>". Shared by the tests of the screens.
class RecordingMediaControl final : public MediaControl {
public:
    explicit RecordingMediaControl(std::shared_ptr<QStringList> log = std::make_shared<QStringList>())
        : log_(std::move(log))
    {
    }

    void setFileName(const QString &fileName) override
    {
        log_->append(QStringLiteral("FileName=") + fileName);
    }
    void setCommand(const QString &command) override
    {
        log_->append(QStringLiteral("Command=") + command);
    }

    const QStringList &steps() const { return *log_; }
    void clear() { log_->clear(); }

private:
    std::shared_ptr<QStringList> log_;
};

// Makes recording controls; every control it made keeps writing to the
// factory's log after the factory handed it out, and "~control" marks the
// destruction of one.
class RecordingMediaControlFactory final : public MediaControlFactory {
public:
    std::unique_ptr<MediaControl> createControl() override
    {
        ++created_;
        return std::make_unique<Control>(log_);
    }

    const QStringList &steps() const { return *log_; }
    void clear() { log_->clear(); }
    int createdCount() const { return created_; }

private:
    class Control final : public MediaControl {
    public:
        explicit Control(std::shared_ptr<QStringList> log)
            : log_(log)
            , recorder_(std::move(log))
        {
        }
        ~Control() override { log_->append(QStringLiteral("~control")); }
        void setFileName(const QString &fileName) override { recorder_.setFileName(fileName); }
        void setCommand(const QString &command) override { recorder_.setCommand(command); }

    private:
        std::shared_ptr<QStringList> log_;
        RecordingMediaControl recorder_;
    };

    std::shared_ptr<QStringList> log_ = std::make_shared<QStringList>();
    int created_ = 0;
};

} // namespace piyota::testing
