// The Trips tab of the list page: one row per trip of the card (date, start, duration,
// distance, driving events) with a check box, and a summary line under the table.
//
// The trips are built from what the lazy card open already read; a trip whose events could
// not all be counted (recordings outside the logs not yet indexed) shows its count with "+".
#pragma once

#include "DisplayFormat.h"
#include "TripBuilder.h"

#include <QList>
#include <QWidget>

class FileManager;
class QLabel;
class QTableWidget;

class TripListView : public QWidget {
    Q_OBJECT

public:
    explicit TripListView(QWidget *parent = nullptr);

    // Builds the trips of the loaded card and shows them.
    void load(const FileManager &files, const DisplayFormat &format);
    void clear();
    void checkAll(bool flag);
    // Ticked trips, in table order.
    QList<int> checkedTrips() const;
    // Selects and shows the trip's row.
    void selectTrip(int trip);

    const TripBuilder::Trips &trips() const { return _trips; }
    const std::vector<TripBuilder::Source> &sources() const { return _sources; }
    QTableWidget *tableView() const { return _table; }
    QString summaryText() const;

signals:
    // The user selected a trip's row.
    void tripSelected(int trip);
    // The trips were built anew or emptied.
    void tripsChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fillRow(int row, const DisplayFormat &format);
    QString eventsToolTip(const TripBuilder::Trip &trip) const;

    QTableWidget *_table = nullptr;
    QLabel *_summary = nullptr;
    std::vector<TripBuilder::Source> _sources;
    TripBuilder::Trips _trips;
};
