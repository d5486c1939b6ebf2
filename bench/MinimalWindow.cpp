// The floor for any Qt program of the picker's size: a window that paints a rounded
// rectangle and fifteen lines of text, reporting its first frame.

#include "FirstFrame.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class MinimalWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(128, 160, 192, 26));
        painter.drawRoundedRect(QRectF(80, 60, 340, 135), 7, 7);
        for (int line = 0; line < 15; ++line)
            painter.drawText(90 + (line / 5) * 60, 80 + (line % 5) * 24, QString::number(2020 + line));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    MinimalWindow window;
    window.setWindowTitle("Minimal");
    window.setFixedSize(502, 234);
    window.show();
    ReportFirstFrame(window);
    return QApplication::exec();
}
