#pragma once
// What the thread window tests start from: the shipped tables, inch display,
// and the messages the program showed during the test, instead of boxes.

#include "core/display_unit.h"
#include "support/test_support.h"
#include "ui/message_box.h"

#include <QObject>
#include <QStringList>

#include <memory>

class WindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ShippedTables> tables_;
    QStringList errors_;   // the errors alone
    QStringList infos_;    // information and questions
    QStringList messages_; // all of them, in order

private slots:
    void initTestCase() {
        tables_ = std::make_unique<ShippedTables>();
        SetMessageHook([this](MessageKind kind, const QString& text) {
            (kind == MessageKind::Error ? errors_ : infos_) << text;
            messages_ << text;
        });
    }
    void init() {
        errors_.clear();
        infos_.clear();
        messages_.clear();
        SetMetricDisplay(false);
    }
};
