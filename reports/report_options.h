#pragma once
// What the reports read of the report options window while they draw, and
// nothing more: the four report boxes, the wall rows with their ticked
// widths, and the optional figures and notes. The window implements it;
// tests use MemoryReportOptions. Texts are handed over as the user typed
// them; the window has checked the number boxes before any report is drawn.
#include <QString>
#include <array>
#include <vector>

namespace dv {

class ReportOptions {
public:
    virtual ~ReportOptions() = default;

    virtual bool summaryReport() const = 0;
    virtual bool detailedReport() const = 0;
    virtual bool itemizedReport() const = 0;
    virtual bool projectQuote() const = 0;

    // Wall rows, one per complete wall in the wall list's order: the wall ID
    // (column 0) and name (column 1) as the wall list shows them, and for
    // width 0, 1, 2 (2x6, 2x8, 2x10) whether its tick cell is ticked.
    virtual int wallRowCount() const = 0;
    virtual QString wallRowID(int row) const = 0;
    virtual QString wallRowName(int row) const = 0;
    virtual bool widthTicked(int row, int width) const = 0;

    virtual bool overrideMarkupTicked() const = 0;
    virtual QString overrideMarkupText() const = 0;
    virtual bool deliveryChargeTicked() const = 0;
    virtual QString deliveryChargeText() const = 0;
    virtual bool stateTaxTicked() const = 0;
    virtual QString stateTaxText() const = 0;
    // The expiration combo: its current row's days (column 0, "30") and its
    // shown text ("30 Days").
    virtual bool expirationDateTicked() const = 0;
    virtual QString expirationDays() const = 0;
    virtual QString expirationText() const = 0;
    virtual bool blueprintDateTicked() const = 0;
    virtual QString blueprintDateText() const = 0;
    virtual bool customNoteTicked() const = 0;
    virtual QString notesText() const = 0;
};

// Report options held in memory, for tests and any drawing with no window.
class MemoryReportOptions : public ReportOptions {
public:
    struct WallRow {
        QString id, name;
        std::array<bool, 3> widths{};
    };
    bool summary = true, detailed = true, itemized = false, quote = false;
    std::vector<WallRow> walls;
    bool overrideMarkup = false;
    QString overrideMarkupValue;
    bool deliveryCharge = true;
    QString deliveryChargeValue;
    bool stateTax = true;
    QString stateTaxValue;
    bool expirationDate = true;
    QString expirationDaysValue = QStringLiteral("30");
    QString expirationTextValue = QStringLiteral("30 Days");
    bool blueprintDate = false;
    QString blueprintDateValue;
    bool customNote = false;
    QString notes;

    bool summaryReport() const override { return summary; }
    bool detailedReport() const override { return detailed; }
    bool itemizedReport() const override { return itemized; }
    bool projectQuote() const override { return quote; }
    int wallRowCount() const override { return static_cast<int>(walls.size()); }
    QString wallRowID(int row) const override { return inRange(row) ? walls[row].id : QString(); }
    QString wallRowName(int row) const override { return inRange(row) ? walls[row].name : QString(); }
    bool widthTicked(int row, int width) const override
    {
        return inRange(row) && width >= 0 && width < 3 && walls[row].widths[width];
    }
    bool overrideMarkupTicked() const override { return overrideMarkup; }
    QString overrideMarkupText() const override { return overrideMarkupValue; }
    bool deliveryChargeTicked() const override { return deliveryCharge; }
    QString deliveryChargeText() const override { return deliveryChargeValue; }
    bool stateTaxTicked() const override { return stateTax; }
    QString stateTaxText() const override { return stateTaxValue; }
    bool expirationDateTicked() const override { return expirationDate; }
    QString expirationDays() const override { return expirationDaysValue; }
    QString expirationText() const override { return expirationTextValue; }
    bool blueprintDateTicked() const override { return blueprintDate; }
    QString blueprintDateText() const override { return blueprintDateValue; }
    bool customNoteTicked() const override { return customNote; }
    QString notesText() const override { return notes; }

private:
    bool inRange(int row) const { return row >= 0 && row < wallRowCount(); }
};

}  // namespace dv
