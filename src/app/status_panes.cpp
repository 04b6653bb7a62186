#include "app/status_panes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

namespace tabula {

namespace {

QLabel* Indicator(QStatusBar* bar, const QString& widest) {
    auto* label = new QLabel(bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance(widest) + 8);
    bar->addPermanentWidget(label);
    return label;
}

}  // namespace

QString StatusPanes::Ready() {
    return tr("Ready");
}

StatusPanes::StatusPanes(QStatusBar* bar) : QObject(bar) {
    bar->setSizeGripEnabled(true);
    message_ = new QLabel(Ready(), bar);
    bar->addWidget(message_, 1);
    count_ = Indicator(bar, CountText(999));
    count_->setText(CountText(0));
    caps_ = Indicator(bar, tr("CAPS"));
    num_ = Indicator(bar, tr("NUM"));
    ovr_ = Indicator(bar, tr("OVR"));

    count_timer_.setInterval(kCountIntervalMs);
    message_timer_.setInterval(kMessageIntervalMs);
    message_timer_.setSingleShot(true);
    connect(&message_timer_, &QTimer::timeout, this, [this] { message_->setText(Ready()); });
}

void StatusPanes::ShowStatusMessage(const QString& text) {
    message_->setText(text);
    message_timer_.start();
}

void StatusPanes::ShowPrompt(const QString& text) {
    message_->setText(text.isEmpty() ? Ready() : text);
}

QString StatusPanes::CountText(int count) {
    return tr("%n Cards", nullptr, count);
}

void StatusPanes::ShowWork(const QString& text) {
    message_timer_.stop();
    message_->setText(text.isEmpty() ? Ready() : text);
    message_->repaint();
}

void StatusPanes::SetCount(int count) {
    count_->setText(CountText(count));
}

void StatusPanes::SetLocks(bool caps, bool num) {
    caps_->setText(caps ? tr("CAPS") : QString());
    num_->setText(num ? tr("NUM") : QString());
}

void StatusPanes::SetOvertype(bool on) {
    ovr_->setText(on ? tr("OVR") : QString());
}

QString StatusPanes::Message() const {
    return message_->text();
}
QString StatusPanes::Count() const {
    return count_->text();
}
QString StatusPanes::Caps() const {
    return caps_->text();
}
QString StatusPanes::Num() const {
    return num_->text();
}
QString StatusPanes::Overtype() const {
    return ovr_->text();
}

}  // namespace tabula
