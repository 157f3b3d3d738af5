#pragma once

#include <QApplication>

// The application object. An exception that escapes any event handler
// shows the standard error box instead of ending the program.
class NodalaApplication : public QApplication {
    Q_OBJECT
public:
    NodalaApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
