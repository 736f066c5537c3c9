// SPDX-License-Identifier: GPL-3.0-or-later
#include "chrome_pictures.h"

#include <QPainterPath>

#include "draw_helpers.h"
#include "theme.h"

namespace {

enum class State { kNormal, kHot, kPressed };

const char* Suffix(State state) {
  switch (state) {
    case State::kNormal:
      return "_nor.png";
    case State::kHot:
      return "_hot.png";
    case State::kPressed:
      break;
  }
  return "_press.png";
}

constexpr State kStates[] = {State::kNormal, State::kHot, State::kPressed};

// --- caption ---------------------------------------------------------------------------------

void DrawCaptionButton(QPainter& painter, State state, bool close) {
  const QRectF box(0, 0, 46, 44);
  if (state != State::kNormal) {
    QColor fill = close ? theme::kDanger : theme::kRaisedHot;
    if (state == State::kPressed) fill = fill.darker(125);
    painter.fillRect(box, fill);
  }
  const QColor ink = state == State::kNormal ? theme::kTextDim : theme::kText;
  painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
  const QPointF c = box.center();
  if (close) {
    painter.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
    painter.drawLine(c + QPointF(6, -6), c + QPointF(-6, 6));
  } else {
    painter.drawLine(c + QPointF(-7, 0.5), c + QPointF(7, 0.5));
  }
}

void DrawHelp(QPainter& painter, State state) {
  const QPointF c(12, 12);
  QColor ring = state == State::kNormal ? theme::kTextDim : theme::kAccent;
  QColor fill = state == State::kPressed ? theme::kAccentDeep : theme::kRaised;
  if (state == State::kHot) fill = theme::kRaisedHot;
  painter.setPen(QPen(ring, 1.5));
  painter.setBrush(fill);
  painter.drawEllipse(c, 10.5, 10.5);
  DrawFittedText(painter, QRectF(2, 1, 20, 21), QStringLiteral("?"), 15, true,
                 state == State::kNormal ? theme::kText : QColor(Qt::white));
}

// --- page actions ----------------------------------------------------------------------------

enum class Action { kBack, kRestore, kSave };

void DrawActionIcon(QPainter& painter, Action action, QPointF c, const QColor& ink) {
  painter.save();
  painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  switch (action) {
    case Action::kBack: {
      QPainterPath arrow;
      arrow.moveTo(c + QPointF(-7, 0));
      arrow.lineTo(c + QPointF(7, 0));
      arrow.moveTo(c + QPointF(-1.5, -5.5));
      arrow.lineTo(c + QPointF(-7, 0));
      arrow.lineTo(c + QPointF(-1.5, 5.5));
      painter.drawPath(arrow);
      break;
    }
    case Action::kRestore: {
      // A circle almost closed, with an arrow head: "back to the start".
      const QRectF ring(c.x() - 6.5, c.y() - 6.5, 13, 13);
      painter.drawArc(ring, 100 * 16, 290 * 16);
      DrawTriangle(painter, c + QPointF(-3.5, -6.8), 6, Direction::kLeft, ink);
      break;
    }
    case Action::kSave: {
      QPainterPath tick;
      tick.moveTo(c + QPointF(-6.5, 0.5));
      tick.lineTo(c + QPointF(-2, 5));
      tick.lineTo(c + QPointF(7, -5));
      painter.drawPath(tick);
      break;
    }
  }
  painter.restore();
}

void DrawActionButton(QPainter& painter, Action action, const QString& text, State state) {
  const QRectF box(1, 1, 118, 36);
  const bool primary = action == Action::kSave;
  QColor top = primary ? theme::kAccent : theme::kRaised;
  QColor bottom = primary ? theme::kAccentDeep : QColor(0x23, 0x27, 0x30);
  QColor edge = primary ? theme::kAccent.lighter(120) : theme::kPanelEdge;
  if (state == State::kHot) {
    top = top.lighter(118);
    bottom = bottom.lighter(118);
    edge = primary ? QColor(Qt::white) : theme::kAccent;
  } else if (state == State::kPressed) {
    top = bottom.darker(115);
    bottom = bottom.darker(115);
  }
  const qreal shift = state == State::kPressed ? 1 : 0;
  DrawRaisedBox(painter, box.translated(0, shift), 8, top, bottom, edge);
  const QColor ink = primary ? QColor(Qt::white) : theme::kText;
  const QRectF inner = box.translated(0, shift);
  // Icon and text are centred together.
  const QFont font = theme::Font(15, true);
  const qreal textWidth = QFontMetricsF(font).horizontalAdvance(text);
  const qreal groupWidth = 16 + 8 + textWidth;
  const qreal left = inner.center().x() - groupWidth / 2;
  DrawActionIcon(painter, action, QPointF(left + 8, inner.center().y()), ink);
  painter.setFont(font);
  painter.setPen(ink);
  painter.drawText(QRectF(left + 24, inner.top(), textWidth + 2, inner.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
}

// --- options ---------------------------------------------------------------------------------

// Rumble level i (0 light, 1 medium, 2 strong) as one to three waves beside a dot.
void DrawVibration(QPainter& painter, int level, State state, bool selected) {
  const QRectF box(0.5, 0.5, 23, 23);
  QColor fill = selected ? theme::kAccentDeep : theme::kRaised;
  if (state == State::kHot && !selected) fill = theme::kRaisedHot;
  painter.setPen(QPen(selected ? theme::kAccent : theme::kPanelEdge, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(box, 5, 5);
  const QColor ink = selected ? QColor(Qt::white) : theme::kTextDim;
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  painter.drawEllipse(QPointF(7.5, 12), 2.2, 2.2);
  painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (int wave = 0; wave <= level; ++wave) {
    const qreal r = 4.5 + wave * 3.5;
    painter.drawArc(QRectF(7.5 - r, 12 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
  }
}

void DrawToggle(QPainter& painter, bool on, bool hot) {
  const QRectF track(1, 2, 38, 18);
  QColor fill = on ? theme::kAccent : QColor(0x3A, 0x40, 0x4D);
  if (hot && !on) fill = fill.lighter(125);
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawRoundedRect(track, 9, 9);
  painter.setBrush(on ? QColor(Qt::white) : QColor(0xB8, 0xBF, 0xCC));
  painter.drawEllipse(QPointF(on ? 30 : 10, 11), 7, 7);
}

// Background of a text option ("chip"); the toolkit writes the text on top.
void DrawChip(QPainter& painter, const QColor& fill, const QColor& edge) {
  painter.setPen(QPen(edge, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(QRectF(0.5, 0.5, 79, 25), 12.5, 12.5);
}

// --- panels ----------------------------------------------------------------------------------

void DrawPanel(QPainter& painter, QSizeF size) {
  painter.setPen(QPen(theme::kPanelEdge, 1));
  painter.setBrush(theme::kPanel);
  painter.drawRoundedRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)), 8, 8);
}

// Each colour swatch is a button whose background colour is the LED colour. This frame covers
// its outer band with the panel colour and draws a dark hairline inside it, so the white border
// that marks the chosen swatch stands apart from the colour, white included.
void DrawSwatchFrame(QPainter& painter) {
  QPainterPath band;
  band.addRect(QRectF(0, 0, 26, 26));
  band.addRoundedRect(QRectF(3, 3, 20, 20), 3, 3);
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::kPanel);
  painter.drawPath(band);
  painter.setPen(QPen(QColor(0, 0, 0, 0x90), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(3.5, 3.5, 19, 19), 3, 3);
}

// The link between two steps of a back-key sequence: a short down arrow with a clock face,
// standing for "then wait".
void DrawChainLink(QPainter& painter) {
  const QColor ink = theme::kTextDim;
  painter.setPen(QPen(ink, 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(17, 13), 6.5, 6.5);
  painter.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(17, 13), QPointF(17, 9));
  painter.drawLine(QPointF(17, 13), QPointF(20, 14.5));
}

void DrawCaptionLogo(QPainter& painter) {
  // A tiny handheld: body, screen and two sticks.
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::kAccent);
  painter.drawRoundedRect(QRectF(0.5, 6, 23, 12), 5, 5);
  painter.setBrush(theme::kScreen);
  painter.drawRoundedRect(QRectF(7, 8, 10, 8), 1, 1);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(3.8, 10), 1.6, 1.6);
  painter.drawEllipse(QPointF(20.2, 14), 1.6, 1.6);
}

}  // namespace

void AddChromePictures(PictureSink& sink) {
  for (State state : kStates) {
    sink.Add(QStringLiteral("min") + Suffix(state), {46, 44},
             [state](QPainter& p) { DrawCaptionButton(p, state, false); });
    sink.Add(QStringLiteral("close") + Suffix(state), {46, 44},
             [state](QPainter& p) { DrawCaptionButton(p, state, true); });
    sink.Add(QStringLiteral("help") + Suffix(state), {24, 24},
             [state](QPainter& p) { DrawHelp(p, state); });
  }
  sink.Add(QStringLiteral("caption_logo.png"), {24, 24}, DrawCaptionLogo);

  struct ActionNames {
    Action action;
    const char* chineseBase;
    const char* englishBase;
    QString chinese;
    QString english;
  };
  const ActionNames actions[] = {
      {Action::kBack, "back", "en_back", QStringLiteral("返回"), QStringLiteral("Back")},
      {Action::kRestore, "Reduction", "en_Reduction", QStringLiteral("还原"),
       QStringLiteral("Restore")},
      {Action::kSave, "Save", "en_Save", QStringLiteral("保存"), QStringLiteral("Save")},
  };
  for (const ActionNames& a : actions) {
    for (State state : kStates) {
      sink.Add(QString::fromLatin1(a.chineseBase) + Suffix(state), {120, 38},
               [&a, state](QPainter& p) { DrawActionButton(p, a.action, a.chinese, state); });
      sink.Add(QString::fromLatin1(a.englishBase) + Suffix(state), {120, 38},
               [&a, state](QPainter& p) { DrawActionButton(p, a.action, a.english, state); });
    }
  }

  for (int level = 0; level < 3; ++level) {
    const QString base = QStringLiteral("vib%1").arg(level);
    sink.Add(base + "_nor.png", {24, 24},
             [level](QPainter& p) { DrawVibration(p, level, State::kNormal, false); });
    sink.Add(base + "_hot.png", {24, 24},
             [level](QPainter& p) { DrawVibration(p, level, State::kHot, false); });
    sink.Add(base + "_sel.png", {24, 24},
             [level](QPainter& p) { DrawVibration(p, level, State::kNormal, true); });
  }
  sink.Add(QStringLiteral("toggle_off.png"), {40, 22},
           [](QPainter& p) { DrawToggle(p, false, false); });
  sink.Add(QStringLiteral("toggle_off_hot.png"), {40, 22},
           [](QPainter& p) { DrawToggle(p, false, true); });
  sink.Add(QStringLiteral("toggle_on.png"), {40, 22},
           [](QPainter& p) { DrawToggle(p, true, false); });
  sink.Add(QStringLiteral("chip_nor.png"), {80, 26},
           [](QPainter& p) { DrawChip(p, theme::kRaised, theme::kPanelEdge); });
  sink.Add(QStringLiteral("chip_hot.png"), {80, 26},
           [](QPainter& p) { DrawChip(p, theme::kRaisedHot, theme::kAccent); });
  sink.Add(QStringLiteral("chip_sel.png"), {80, 26},
           [](QPainter& p) { DrawChip(p, theme::kAccentDeep, theme::kAccent); });
  sink.Add(QStringLiteral("chip_disabled.png"), {80, 26},
           [](QPainter& p) { DrawChip(p, QColor(0x1A, 0x1C, 0x21), QColor(0x26, 0x2A, 0x32)); });

  const struct {
    const char* name;
    QSize size;
  } panels[] = {{"vib_panel.png", {156, 64}},
                {"ledcolor_panel.png", {495, 64}},
                {"ledmode_panel.png", {275, 64}},
                {"deadzone_panel.png", {928, 80}},
                {"chain_panel.png", {190, 390}}};
  for (const auto& panel : panels) {
    const QSizeF size = panel.size;
    sink.Add(QString::fromLatin1(panel.name), panel.size,
             [size](QPainter& p) { DrawPanel(p, size); });
  }
  sink.Add(QStringLiteral("swatch_frame.png"), {26, 26}, DrawSwatchFrame);
  sink.Add(QStringLiteral("chain_link.png"), {34, 26}, DrawChainLink);
}
