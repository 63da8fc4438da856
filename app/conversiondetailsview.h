#ifndef CONVERSIONDETAILSVIEW_H
#define CONVERSIONDETAILSVIEW_H

#include "convert/codesession.h"

#include <QObject>

#include <map>
#include <vector>

class QTextEdit;
class Ui_ConversionDetails;

// What the Conversion Details dialog shows of a conversion, and how its
// parts answer each other: both codes with every segment not copied marked
// in its fate's line style (and colour), a segment chosen in the list
// marked in both codes and brought into view, and a marked segment's
// reason where the pointer rests on it. Everything it shows is the
// session's (CodeSession::marked).
class ConversionDetailsView : public QObject
{
    Q_OBJECT

public:
    ConversionDetailsView(Ui_ConversionDetails &form, CodeSession::Marked marked, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Place
    {
        int start = -1; // in the pane's text; -1 where the pane does not show it
        int end = -1;
    };

    void fillLegend();
    // The code or the conversion, with its marks; where each mark went.
    std::vector<Place> fillCode(QTextEdit *pane, const std::vector<CodeSession::Piece> &pieces);
    void fillList();
    void showSegment(std::size_t position);
    const ConversionReport::Entry *markAt(const std::vector<Place> &places, int at) const;

    Ui_ConversionDetails &mForm;
    CodeSession::Marked mMarked;
    std::vector<Place> mInCode;
    std::vector<Place> mInConversion;
    std::map<std::size_t, std::size_t> mMarkOfPosition; // segment position to its index in the marks
};

#endif // CONVERSIONDETAILSVIEW_H
