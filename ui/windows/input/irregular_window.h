// The irregular cross-section editor's window ("Irregular TW Rating Curve"),
// the entry of the irregular downstream cross-section: the coordinate count
// and its check, fifteen station/elevation rows, the bank points, the
// subchannel option, the three Manning's n values and the channel slope. A
// thin view over IrregularEditor: every event is handed to the editor, and
// the window then shows the editor's texts and visibility again.
#pragma once

#include <QWidget>
#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "form/input_form.h"
#include "form/irregular_editor.h"
#include "model/model.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelp {

class FieldEvents;

class IrregularWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = IrregularEditor::kRows;
    static constexpr int kOptions = static_cast<int>(kSubchannelOptions.size());

    IrregularWindow(IrregularEditor& editor, Prompts& prompts, QWidget* parent = nullptr);
    // The field events go first: a focus change during the window's own
    // destruction must not reach a half-destroyed window.
    ~IrregularWindow() override;

    // Shows every text, heading, option and visibility of the editor.
    void Refresh();

    QLineEdit* box(IrrBox b) const { return boxes_[Index(b)]; }
    // Rows and options count from 1, as their control names do.
    QLineEdit* station(int row) const { return stations_[RowIndex(row)]; }
    QLineEdit* elevation(int row) const { return elevations_[RowIndex(row)]; }
    QLabel* rowLabel(int row) const { return rowLabels_[RowIndex(row)]; }
    QRadioButton* option(int number) const;
    QLabel* stationHeading() const { return stationHeading_; }
    QLabel* elevationHeading() const { return elevationHeading_; }
    QPushButton* enterCommand() const { return enter_; }
    QPushButton* saveCommand() const { return save_; }

signals:
    // "&Save and Exit" wrote the section into the model and closed the window.
    void sectionSaved();

private:
    static std::size_t Index(IrrBox b) { return static_cast<std::size_t>(b); }
    static std::size_t RowIndex(int row);

    QHBoxLayout* CaptionedLine(QWidget* line, const char* caption, const char* labelName,
                               IrrBox b);
    QWidget* CountLine();
    QWidget* Coordinates();
    using LabelledBox = std::pair<IrrBox, const char*>;
    QWidget* LabelledBoxes(const char* title, std::initializer_list<LabelledBox> boxes);
    QWidget* Options();
    QWidget* SlopeLine();
    QLineEdit* NumberBox(const QString& name, bool count = false);
    QLineEdit* Box(IrrBox b, const char* name, QLabel* label = nullptr);

    void FocusChanged(Field role, bool gained);
    void SaveAndExit();

    // The boxes of a group, which shows while any of them does.
    struct BoxGroup {
        QGroupBox* frame;
        std::vector<IrrBox> boxes;
    };

    IrregularEditor& editor_;
    Prompts& prompts_;
    FieldEvents* events_ = nullptr;

    std::array<QLineEdit*, static_cast<std::size_t>(IrrBox::Count)> boxes_{};
    std::array<QLabel*, static_cast<std::size_t>(IrrBox::Count)> labels_{};
    std::array<QLineEdit*, kRows> stations_{}, elevations_{};
    std::array<QLabel*, kRows> rowLabels_{};
    std::array<QRadioButton*, kOptions> options_{};
    std::vector<BoxGroup> groups_;
    QLabel* stationHeading_ = nullptr;
    QLabel* elevationHeading_ = nullptr;
    QPushButton* enter_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace kelp
