// The settings window's list of privacy zones: the circles with their centre and radius,
// a row of fields to add one, and a button to remove the selected one.
#pragma once

#include "PrivacyZones.h"

#include <QWidget>

class QDoubleSpinBox;
class QListWidget;
class QPushButton;

class PrivacyZoneEditor : public QWidget {
    Q_OBJECT
public:
    explicit PrivacyZoneEditor(QWidget *parent = nullptr);

    void setZones(const PrivacyZones &zones);
    PrivacyZones zones() const { return _zones; }

    QDoubleSpinBox *latitude() const { return _latitude; }
    QDoubleSpinBox *longitude() const { return _longitude; }
    QDoubleSpinBox *radius() const { return _radius; }
    QListWidget *list() const { return _list; }

public slots:
    void btnAdd();
    void btnRemove();

private:
    QDoubleSpinBox *spinBox(double limit, int decimals, const char *label);
    void fillList();

    PrivacyZones _zones;
    QListWidget *_list;
    QDoubleSpinBox *_latitude;
    QDoubleSpinBox *_longitude;
    QDoubleSpinBox *_radius;
    QPushButton *_btnAdd;
    QPushButton *_btnRemove;
};
