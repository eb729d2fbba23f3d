// SPDX-License-Identifier: GPL-3.0-or-later
// The loads editor window: its twips layout, the grid of line loads with its keyboard and focus
// behaviour, the row buttons and the sizing rule.
#include "ui/editors/frmLoads.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "model/Units.h"
#include "ui/editors/LoadDirectionSketch.h"

namespace kelvadrome {

namespace {

// Layout in twips (1/1440 inch), measured in the window's client area.
constexpr int kCaptionTwips = 405;  // caption bar and borders, counted in the window height
constexpr int kMargin = 120;
constexpr std::array<int, 5> kColumnLeft{120, 1105, 1940, 2775, 3610};
constexpr std::array<int, 5> kColumnWidth{1000, 850, 850, 850, 1700};
constexpr int kHeaderTop = 300;
constexpr int kHeaderHeight = 480;
constexpr int kFirstRowTop = 810;
constexpr int kCellHeight = 315;  // neighbouring rows share a 15-twip border
constexpr int kRowPitch = kCellHeight - 15;
constexpr int kButtonHeight = 375;
constexpr int kRowButtonWidth = 960;
constexpr int kSideLeft = 5550;
constexpr int kSideWidth = 2850;
constexpr int kSketchSize = 1260;
constexpr int kWindowWidth = kSideLeft + kSideWidth + 150 + kSketchSize + kMargin;
constexpr int kCommandWidth = 1100;

const QColor kLeftRowColour = Qt::cyan;
const QColor kEditedRowColour = Qt::white;

bool NoShiftCtrlAlt(const QKeyEvent& key) {
  return (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
}

void AddLoadCaseNames(QComboBox* list) {
  for (const LoadCase c : kAllLoadCases) list->addItem(QString::fromLatin1(kLoadCases[LoadCaseIndex(c)].name));
}

// The lists hold the load cases in the order of kAllLoadCases.
int ListIndexOf(LoadCase loadCase) { return static_cast<int>(LoadCaseIndex(loadCase)) - 1; }
LoadCase LoadCaseAt(int listIndex) { return kAllLoadCases.at(static_cast<std::size_t>(listIndex)); }

LineLoad NewLineLoad() { return LineLoad{0, 0, 0, 0, LoadCase::dead}; }

}  // namespace

int LoadsWindowHeightTwips(int rowCount, int acceptButtonHeightTwips) {
  return std::max(300 * rowCount + 2580 + acceptButtonHeightTwips, 3420);
}

frmLoads::frmLoads(const ProjectData& project, QWidget* parent, Beeper beep)
    : QDialog(parent), guard_(new EntryGuard(this, std::move(beep))) {
  setObjectName(QStringLiteral("frmLoads"));
  setWindowTitle(QStringLiteral("Kelvadrome: Loads"));
  setModal(true);
  const QScreen* screen = parent != nullptr ? parent->screen() : this->screen();
  scale_ = TwipsScale::ForScreen(screen);

  BuildGrid();
  BuildSideControls(project);
  SetTabOrder();

  // A file may hold any count; the grid has ten rows.
  rowCount_ = std::clamp<int>(project.lineLoadCount, 0, kMaxLineLoads);
  workLoads_ = project.lineLoads;
  ShowRows();
  FillGrid();
  SizeWindow();
  CentreOver(this, parent);
  currentRow_ = 1;
  SetRowColour(1, kLeftRowColour);
}

int frmLoads::Px(double twips) const { return scale_.Px(twips); }

// Edges are converted, not sizes, so that cells meant to share a border share exactly one.
QRect frmLoads::TwipsRect(int left, int top, int width, int height) const {
  return QRect(QPoint(Px(left), Px(top)), QPoint(Px(left + width) - 1, Px(top + height) - 1));
}

void frmLoads::BuildGrid() {
  auto* title = new QLabel(QStringLiteral("Line loads"), this);
  title->setGeometry(TwipsRect(kMargin, 60, 3000, 240));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);

  const std::array<const char*, 5> names{"txtLoad_%1", "txtX_%1", "txtY_%1", "txtDir_%1", "cmbType_%1"};
  for (int r = 0; r < kMaxLineLoads; ++r) {
    GridRow& row = rows_[std::size_t(r)];
    const int top = kFirstRowTop + r * kRowPitch;
    for (std::size_t c = 0; c < 5; ++c) {
      QWidget* cell = nullptr;
      if (c < 4) {
        auto* box = new QLineEdit(this);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        guard_->Watch(box, [](double v) { return v >= 0; });
        row.cells[c] = box;
        cell = box;
      } else {
        row.type = new QComboBox(this);
        AddLoadCaseNames(row.type);
        cell = row.type;
      }
      cell->setObjectName(QString::fromLatin1(names[c]).arg(r));
      cell->setGeometry(TwipsRect(kColumnLeft[c], top, kColumnWidth[c], kCellHeight));
      cell->setAutoFillBackground(true);
      cell->installEventFilter(this);
      cell->hide();
    }
    rowColours_[std::size_t(r)] = kEditedRowColour;
  }
  connect(guard_, &EntryGuard::Left, this, [this](QLineEdit* box, bool accepted) {
    const int row = CellOf(box).first;
    if (accepted && row > 0) LeaveRow(row);
  });

  const std::array<const char*, 3> captions{"Add", "Insert", "Delete"};
  for (std::size_t i = 0; i < 3; ++i) {
    command1_[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
    command1_[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
    command1_[i]->setAutoDefault(false);
  }
  connect(command1_[0], &QPushButton::clicked, this, &frmLoads::AddRow);
  connect(command1_[1], &QPushButton::clicked, this, &frmLoads::InsertRow);
  connect(command1_[2], &QPushButton::clicked, this, &frmLoads::DeleteRow);
}

void frmLoads::BuildSideControls(const ProjectData& project) {
  const UnitSystem system = project.unitSystem;
  const QString length = QString::fromStdString(UnitLabel(UnitQuantity::length, system));
  const std::array<QString, 5> headers{
      QStringLiteral("Load\n(%1)").arg(QString::fromStdString(ForcePerLengthLabel(system))),
      QStringLiteral("X\n(%1)").arg(length), QStringLiteral("Y\n(%1)").arg(length),
      QStringLiteral("Dir.\n(%1)").arg(QString::fromStdString(UnitLabel(UnitQuantity::angle, system))),
      QStringLiteral("Type")};
  for (std::size_t c = 0; c < headers.size(); ++c) {
    auto* header = new QLabel(headers[c], this);
    header->setObjectName(QStringLiteral("Label3_%1").arg(c));
    header->setAlignment(c == 4 ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignCenter);
    header->setGeometry(TwipsRect(kColumnLeft[c], kHeaderTop, kColumnWidth[c] - 15, kHeaderHeight));
  }

  auto* surcharge = new QGroupBox(QStringLiteral("Surcharge"), this);
  surcharge->setGeometry(TwipsRect(kSideLeft, 60, kSideWidth, 1140));
  txtSurcharge_ = new QLineEdit(GeneralText(project.surchargeLoad), surcharge);
  txtSurcharge_->setObjectName(QStringLiteral("txtSurcharge"));
  txtSurcharge_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtSurcharge_->setGeometry(TwipsRect(150, 330, 1000, kCellHeight));
  auto* unit = new QLabel(QString::fromStdString(UnitLabel(UnitQuantity::pressure, system)), surcharge);
  unit->setObjectName(QStringLiteral("lblSurchargeUnit"));
  unit->setGeometry(TwipsRect(1230, 330, 1400, kCellHeight));
  cmbSurType_ = new QComboBox(surcharge);
  cmbSurType_->setObjectName(QStringLiteral("cmbSurType"));
  AddLoadCaseNames(cmbSurType_);
  cmbSurType_->setCurrentIndex(ListIndexOf(project.surchargeLoadCase));
  cmbSurType_->setGeometry(TwipsRect(150, 720, 1800, kCellHeight));
  guard_->Watch(txtSurcharge_, [](double v) { return v >= 0; });

  auto* seismic = new QGroupBox(QStringLiteral("Seismic coefficient:"), this);
  seismic->setGeometry(TwipsRect(kSideLeft, 1290, kSideWidth, 780));
  auto* horizontal = new QLabel(QStringLiteral("Horizontal:"), seismic);
  // The box follows its caption, however wide the font makes it.
  const int captionWidth = std::max(900, int(std::ceil(scale_.Twips(horizontal->sizeHint().width()))) + 30);
  horizontal->setGeometry(TwipsRect(150, 330, captionWidth, kCellHeight));
  txtSeismic_ = new QLineEdit(GeneralText(project.seismicCoefficient), seismic);
  txtSeismic_->setObjectName(QStringLiteral("txtSeismic"));
  txtSeismic_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtSeismic_->setGeometry(TwipsRect(150 + captionWidth + 60, 330, 1000, kCellHeight));
  txtSeismic_->setEnabled(project.seismicOption);
  guard_->Watch(txtSeismic_, [](double v) { return v >= 0; });

  auto* sketch = new LoadDirectionSketch(this);
  sketch->setGeometry(TwipsRect(kSideLeft + kSideWidth + 150, 150, kSketchSize, 1800));

  note_ = new QLabel(QStringLiteral("Note: Origin at overturning point."), this);
  command3_ = new QPushButton(QStringLiteral("&Accept"), this);
  command3_->setObjectName(QStringLiteral("Command3"));
  command3_->setDefault(true);  // Enter in the surcharge or seismic box accepts, after the check
  command4_ = new QPushButton(QStringLiteral("&Cancel"), this);
  command4_->setObjectName(QStringLiteral("Command4"));
  command4_->setAutoDefault(false);
  guard_->SetCancelButton(command4_);
  connect(command3_, &QPushButton::clicked, this, &frmLoads::Accept);
  connect(command4_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmLoads::SetTabOrder() {
  QWidget* previous = nullptr;
  const auto chain = [&previous](QWidget* next) {
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  };
  for (const GridRow& row : rows_) {
    for (QLineEdit* cell : row.cells) chain(cell);
    chain(row.type);
  }
  for (QPushButton* button : command1_) chain(button);
  chain(txtSurcharge_);
  chain(cmbSurType_);
  chain(txtSeismic_);
  chain(command3_);
  chain(command4_);
}

void frmLoads::ShowRows() {
  for (int r = 1; r <= kMaxLineLoads; ++r) {
    const GridRow& row = rows_[std::size_t(r - 1)];
    const bool visible = r <= rowCount_;
    for (QLineEdit* cell : row.cells) cell->setVisible(visible);
    row.type->setVisible(visible);
  }
}

void frmLoads::FillGrid() {
  for (int r = 1; r <= rowCount_; ++r) {
    const LineLoad& load = workLoads_[std::size_t(r)];
    const GridRow& row = rows_[std::size_t(r - 1)];
    const std::array<float, 4> values{load.load, load.x, load.y, load.direction};
    for (std::size_t c = 0; c < 4; ++c) row.cells[c]->setText(GeneralText(values[c]));
    row.type->setCurrentIndex(ListIndexOf(load.loadCase));
  }
  command1_[0]->setEnabled(rowCount_ < kMaxLineLoads);
  command1_[1]->setEnabled(rowCount_ < kMaxLineLoads);
  command1_[2]->setEnabled(rowCount_ >= 1);
}

frmLoads::WorkLoads frmLoads::GridLoads() const {
  WorkLoads loads = workLoads_;
  for (int r = 1; r <= rowCount_; ++r) {
    LineLoad& load = loads[std::size_t(r)];
    const GridRow& row = rows_[std::size_t(r - 1)];
    load.load = static_cast<float>(LeadingNumber(row.cells[0]->text()));
    load.x = static_cast<float>(LeadingNumber(row.cells[1]->text()));
    load.y = static_cast<float>(LeadingNumber(row.cells[2]->text()));
    load.direction = static_cast<float>(LeadingNumber(row.cells[3]->text()));
    load.loadCase = LoadCaseAt(row.type->currentIndex());
  }
  return loads;
}

void frmLoads::SizeWindow() {
  const int accept = kButtonHeight;
  heightTwips_ = LoadsWindowHeightTwips(rowCount_, accept);
  const int clientHeight = heightTwips_ - kCaptionTwips;
  const int buttonsTop = heightTwips_ - 840;
  const int rowButtonsTop = kFirstRowTop + rowCount_ * kRowPitch + 15 + 105;
  for (std::size_t i = 0; i < 3; ++i)
    command1_[i]->setGeometry(
        TwipsRect(kMargin + int(i) * (kRowButtonWidth + 60), rowButtonsTop, kRowButtonWidth, kButtonHeight));
  note_->setGeometry(TwipsRect(kMargin, buttonsTop, kSideLeft - kMargin, kButtonHeight));
  const int cancelLeft = kWindowWidth - kMargin - kCommandWidth;
  command4_->setGeometry(TwipsRect(cancelLeft, buttonsTop, kCommandWidth, kButtonHeight));
  command3_->setGeometry(TwipsRect(cancelLeft - 120 - kCommandWidth, buttonsTop, kCommandWidth, kButtonHeight));
  setFixedSize(Px(kWindowWidth), Px(clientHeight));
}

void frmLoads::FocusCell(int row, int column) {
  const GridRow& cells = rows_[std::size_t(row - 1)];
  if (column == 4) {
    cells.type->setFocus(Qt::OtherFocusReason);
    return;
  }
  QLineEdit* cell = cells.cells[std::size_t(column)];
  cell->setFocus(Qt::OtherFocusReason);
  cell->deselect();
  cell->setCursorPosition(0);
}

void frmLoads::SetRowColour(int row, const QColor& colour) {
  if (row < 1 || row > kMaxLineLoads) return;
  GridRow& cells = rows_[std::size_t(row - 1)];
  rowColours_[std::size_t(row - 1)] = colour;
  const auto paint = [&colour](QWidget* cell) {
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    cell->setPalette(palette);
  };
  for (QLineEdit* cell : cells.cells) paint(cell);
  paint(cells.type);
}

QColor frmLoads::RowColour(int row) const { return rowColours_.at(std::size_t(row - 1)); }

void frmLoads::LeaveRow(int row) {
  SetRowColour(row, kLeftRowColour);
  currentRow_ = row;
}

std::pair<int, int> frmLoads::CellOf(const QObject* widget) const {
  for (int r = 0; r < kMaxLineLoads; ++r) {
    const GridRow& row = rows_[std::size_t(r)];
    for (int c = 0; c < 4; ++c)
      if (row.cells[std::size_t(c)] == widget) return {r + 1, c};
    if (row.type == widget) return {r + 1, 4};
  }
  return {0, 0};
}

bool frmLoads::eventFilter(QObject* watched, QEvent* event) {
  const auto [row, column] = CellOf(watched);
  if (row == 0) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      // The moment between a refusal and the focus going back to the refused cell changes nothing.
      if (!guard_->RefocusPending()) SetRowColour(row, kEditedRowColour);
      break;
    case QEvent::FocusOut: {
      // Text cells are checked by the guard, which reports the rows left with a valid value.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      const bool leaves = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                          !guard_->RefocusPending() && QApplication::focusWidget() != command4_;
      if (column == 4 && leaves) LeaveRow(row);
      break;
    }
    case QEvent::KeyPress:
      return HandleGridKey(row, column, *static_cast<QKeyEvent*>(event));
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

bool frmLoads::HandleGridKey(int row, int column, const QKeyEvent& key) {
  if (column == 4) {
    if (key.key() != Qt::Key_Left || !NoShiftCtrlAlt(key)) return false;
    FocusCell(row, 3);
    return true;
  }
  switch (key.key()) {
    case Qt::Key_Up:
      if (!NoShiftCtrlAlt(key)) return false;
      if (row > 1) FocusCell(row - 1, column);
      return true;
    case Qt::Key_Down:
      if (!NoShiftCtrlAlt(key)) return false;
      if (row < rowCount_) FocusCell(row + 1, column);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Enter moves down the column and never presses a button.
      if (row < rowCount_) FocusCell(row + 1, column);
      return true;
    default:
      return false;
  }
}

void frmLoads::AddRow() {
  ReadGrid();
  if (rowCount_ >= kMaxLineLoads) return;
  ++rowCount_;
  SetRowColour(rowCount_, kEditedRowColour);
  workLoads_[std::size_t(rowCount_)] = NewLineLoad();
  ShowRows();
  FillGrid();
  SizeWindow();
  FocusCell(rowCount_, 0);
}

void frmLoads::InsertRow() {
  ReadGrid();
  if (rowCount_ >= kMaxLineLoads) return;
  ++rowCount_;
  SetRowColour(rowCount_, kEditedRowColour);
  for (int i = rowCount_ - 1; i >= currentRow_; --i) workLoads_[std::size_t(i + 1)] = workLoads_[std::size_t(i)];
  workLoads_[std::size_t(currentRow_)] = NewLineLoad();
  ShowRows();
  FillGrid();
  SizeWindow();
  FocusCell(currentRow_, 0);
}

void frmLoads::DeleteRow() {
  ReadGrid();
  if (rowCount_ < 1) return;
  for (int i = currentRow_; i < rowCount_; ++i) workLoads_[std::size_t(i)] = workLoads_[std::size_t(i + 1)];
  --rowCount_;
  ShowRows();
  FillGrid();
  SizeWindow();
  // Row 1 stays the current row of an empty grid: Insert then makes a fresh first row instead
  // of one from the unused entry 0.
  currentRow_ = std::clamp(currentRow_, 1, std::max(rowCount_, 1));
  if (rowCount_ >= 1) FocusCell(currentRow_, 0);
}

void frmLoads::Accept() {
  if (guard_->ReadyToAccept()) accept();
}

void frmLoads::ApplyTo(ProjectData& project) const {
  const auto valueOf = [this](const QLineEdit* box, float stored) {
    return static_cast<float>(guard_->AcceptedValue(box).value_or(stored));
  };
  project.surchargeLoad = valueOf(txtSurcharge_, project.surchargeLoad);
  project.surchargeLoadCase = LoadCaseAt(cmbSurType_->currentIndex());
  project.seismicCoefficient = valueOf(txtSeismic_, project.seismicCoefficient);
  project.lineLoadCount = static_cast<int16_t>(rowCount_);
  const WorkLoads loads = GridLoads();
  for (std::size_t i = 1; i <= std::size_t(kMaxLineLoads); ++i) project.lineLoads[i] = loads[i];
}

}  // namespace kelvadrome
