#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;
class Picture;

// The About box: the title and two pictures, closed with one button.
class Tfrm_about final : public QDialog {
public:
    explicit Tfrm_about(QWidget *parent = nullptr);

    // Creates the box, shows it modally in the middle of the screen and
    // destroys it once it closes.
    static void ShowModal(QWidget *parent);

    QWidget *Panel1;
    Picture *Image1, *Image2;
    QLabel *Label1;
    QPushButton *Button1;
};
