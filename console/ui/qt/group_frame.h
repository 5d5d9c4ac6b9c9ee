// A group box drawn as the dialog templates expect it: an etched frame whose top edge runs
// through the middle of the caption, the caption one character in from the left. (Qt's own
// styles put the caption above the frame, which moves the frame down onto the controls the
// template places just below the caption.)
#pragma once

#include <QGroupBox>

namespace ui::qt {

class GroupFrame : public QGroupBox {
public:
    GroupFrame(const QString& caption, int captionIndent, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int captionIndent_;
};

}  // namespace ui::qt
