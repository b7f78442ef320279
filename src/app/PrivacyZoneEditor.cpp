#include "PrivacyZoneEditor.h"

#include "Texts.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

PrivacyZoneEditor::PrivacyZoneEditor(QWidget *parent)
    : QWidget(parent), _list(new QListWidget(this)), _btnAdd(new QPushButton(Texts::text("gui_privacy_add"), this)),
      _btnRemove(new QPushButton(Texts::text("gui_privacy_remove"), this))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto *hint = new QLabel(Texts::text("gui_privacy_hint"), this);
    hint->setWordWrap(true);
    grid->addWidget(hint, 0, 0, 1, 4);
    _list->setMaximumHeight(90);
    grid->addWidget(_list, 1, 0, 1, 3);
    grid->addWidget(_btnRemove, 1, 3, Qt::AlignTop);
    _latitude = spinBox(90, 6, "gui_privacy_latitude");
    _longitude = spinBox(180, 6, "gui_privacy_longitude");
    _radius = spinBox(100000, 0, "gui_privacy_radius");
    _radius->setRange(10, 100000);
    _radius->setValue(300);
    _radius->setSuffix(QStringLiteral(" m"));
    grid->addWidget(_latitude, 2, 0);
    grid->addWidget(_longitude, 2, 1);
    grid->addWidget(_radius, 2, 2);
    grid->addWidget(_btnAdd, 2, 3);
    connect(_btnAdd, &QPushButton::clicked, this, &PrivacyZoneEditor::btnAdd);
    connect(_btnRemove, &QPushButton::clicked, this, &PrivacyZoneEditor::btnRemove);
    connect(_list, &QListWidget::currentRowChanged, this, [this](int row) { _btnRemove->setEnabled(row >= 0); });
    _btnRemove->setEnabled(false);
}

QDoubleSpinBox *PrivacyZoneEditor::spinBox(double limit, int decimals, const char *label)
{
    auto *spin = new QDoubleSpinBox(this);
    spin->setDecimals(decimals);
    spin->setRange(-limit, limit);
    spin->setToolTip(Texts::text(label));
    spin->setPrefix(Texts::text(label) + QStringLiteral(" "));
    return spin;
}

void PrivacyZoneEditor::setZones(const PrivacyZones &zones)
{
    _zones = zones;
    fillList();
}

void PrivacyZoneEditor::fillList()
{
    _list->clear();
    for (const PrivacyZones::Zone &zone : _zones.zones())
        _list->addItem(QStringLiteral("%1, %2  ·  %3 m")
                           .arg(zone.latitude, 0, 'f', 6)
                           .arg(zone.longitude, 0, 'f', 6)
                           .arg(zone.radius, 0, 'f', 0));
}

void PrivacyZoneEditor::btnAdd()
{
    _zones.add({_latitude->value(), _longitude->value(), _radius->value()});
    fillList();
    _list->setCurrentRow(_list->count() - 1);
}

void PrivacyZoneEditor::btnRemove()
{
    const int row = _list->currentRow();
    if (row < 0 || row >= _zones.zones().size())
        return;
    QList<PrivacyZones::Zone> zones = _zones.zones();
    zones.removeAt(row);
    setZones(PrivacyZones(zones));
}
