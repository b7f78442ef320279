// The Trips tab of the list page: one row per trip of the card (date, start, duration,
// distance, driving events) with a check box, and a summary line under the table.
//
// The trips are built from what the lazy card open already read; a trip whose events could
// not all be counted (recordings outside the logs not yet indexed) shows its count with "+".
// The rows come at once; the figures that need a log's full read show "…" until the logs
// were read in the background, then fill in.
#pragma once

#include "DisplayFormat.h"
#include "TripBuilder.h"
#include "TripLoader.h"

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
    // Whether some trip still waits for its logs' full read.
    bool figuresPending() const;
    QTableWidget *tableView() const { return _table; }
    QString summaryText() const;

signals:
    // The user selected a trip's row.
    void tripSelected(int trip);
    // The trips were built anew, their figures filled in, or emptied.
    void tripsChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showTrips(const DisplayFormat &format);
    void figuresRead(const TripLoader::Result &result);
    void fillRow(int row, const DisplayFormat &format);
    QString eventsToolTip(const TripBuilder::Trip &trip) const;

    QTableWidget *_table = nullptr;
    QLabel *_summary = nullptr;
    std::vector<TripBuilder::Source> _sources;
    TripBuilder::Trips _trips;
    TripLoader *_loader = nullptr;
    DisplayFormat _format;
};
