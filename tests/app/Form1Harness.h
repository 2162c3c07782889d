#pragma once
// A real main window for tests: shared state, a message recorder instead of
// modal boxes, and a temporary working folder that holds "logo.dll".
#include "app/AppContext.h"
#include "app/Form1.h"
#include "app/Xiubas.h"
#include "platform/UserDialogs.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace tessaline::testing {

struct RecordedMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

class RecordingDialogs : public UserDialogs {
  public:
    void message(QWidget*, const QString& text, const QString& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    std::vector<RecordedMessage> messages;
};

// A plain picture of one colour, written in the format the name asks for.
inline bool writePicture(const QString& path, int width, int height, QColor color,
                         const char* format = "BMP") {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, format);
}

class Form1Harness {
  public:
    static constexpr int kLogoWidth = 300;
    static constexpr int kLogoHeight = 200;

    explicit Form1Harness(bool withLogo = true) {
        if (withLogo) {
            writePicture(workingPath("logo.dll"), kLogoWidth, kLogoHeight, QColor(10, 120, 200));
        }
        form = std::make_unique<Form1>(context);
        form->load();
    }

    QString workingPath(const QString& name) const { return QDir(temp.path()).filePath(name); }

    // Runs the deletions that closing windows queued.
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir temp;
    Xiubas state;
    RecordingDialogs dialogs;
    AppContext context{state, dialogs, QFile::encodeName(temp.path()).toStdString(), temp.path()};
    std::unique_ptr<Form1> form;
};

// Sends one mouse event straight to a widget, as the window system would.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF position,
                      Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::NoButton
                                      : Qt::MouseButtons(button);
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

inline void hoverOver(QWidget* widget) {
    sendMouse(widget, QEvent::MouseMove, QPointF(2, 2), Qt::NoButton);
}

inline void clickOn(QWidget* widget) {
    sendMouse(widget, QEvent::MouseButtonPress, QPointF(2, 2));
    sendMouse(widget, QEvent::MouseButtonRelease, QPointF(2, 2));
}

} // namespace tessaline::testing
