// The information window: the product's name, logo, version, copyright and
// author, with "Annulla" to close it. Created hidden at start-up; closing
// only hides it.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class SvgPicture;

class TInformazioni : public QWidget {
    Q_OBJECT
public:
    explicit TInformazioni(QWidget* parent = nullptr);

    // Modeless; the first showing centres the window on the screen's work
    // area, later ones keep the place the user left it at.
    void showInFront();

    QWidget* Titolo_REC = nullptr;
    QLabel* Titolo_LAB = nullptr;
    SvgPicture* logo_IMG = nullptr;
    QLabel* Descrizione_LAB = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* Pulsanti_REC = nullptr;
    QPushButton* Annulla_BTN = nullptr;
    QLabel* Label3 = nullptr;

    void Annulla_BTNClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();

    bool placed_ = false;
};
