// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_pictures.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "draw_helpers.h"
#include "handheld_model.h"
#include "handheld_painter.h"
#include "theme.h"

namespace {

enum class CardState { kNormal, kHot, kPressed };

// File names of one board's pictures. The menu names get "nor", "hot" or "press" filled in.
struct DeviceNames {
  const HandheldModel& model;
  QString backMenu;     // e.g. "BackKeybtn_%1_New.png"
  QString controlMenu;  // e.g. "ControlKey_%1_New.png"
  QString backPage;
  QString controlPage;
};

const QSize kMenuSize(300, 300);
const QSize kControlPageSize(960, 390);
const QSize kBackPageSize(480, 390);

void DrawBadge(QPainter& painter, QPointF centre, const QString& text, qreal pixelSize) {
  const QFont font = theme::Font(pixelSize, true);
  const qreal width = QFontMetricsF(font).horizontalAdvance(text) + pixelSize * 1.2;
  const QRectF pill(centre.x() - width / 2, centre.y() - pixelSize * 0.85, width, pixelSize * 1.7);
  painter.setPen(QPen(theme::kAccent, 1.2));
  painter.setBrush(QColor(0x10, 0x1A, 0x26));
  painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
  painter.setFont(font);
  painter.setPen(theme::kText);
  painter.drawText(pill, Qt::AlignCenter, text);
}

// The card behind a main-menu picture; hover lights the edge, press darkens and sinks it.
qreal DrawCard(QPainter& painter, CardState state) {
  const QRectF card(2, 2, 296, 296);
  const qreal shift = state == CardState::kPressed ? 2 : 0;
  QLinearGradient fill(card.topLeft(), card.bottomLeft());
  QColor top = state == CardState::kHot ? QColor(0x26, 0x2C, 0x38) : QColor(0x1F, 0x23, 0x2B);
  QColor bottom = state == CardState::kHot ? QColor(0x1C, 0x21, 0x2A) : QColor(0x18, 0x1B, 0x21);
  if (state == CardState::kPressed) {
    top = QColor(0x17, 0x1B, 0x22);
    bottom = top;
  }
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  if (state == CardState::kHot) {
    QColor glow = theme::kAccent;
    glow.setAlpha(0x30);
    painter.setPen(QPen(glow, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card.adjusted(-0.5, -0.5, 0.5, 0.5), 20, 20);
  }
  painter.setPen(QPen(state == CardState::kNormal ? theme::kPanelEdge : theme::kAccent, 1.5));
  painter.setBrush(fill);
  painter.drawRoundedRect(card.translated(0, shift), 18, 18);
  return shift;
}

// A small keyboard and mouse: "the keys your pad sends in keyboard-and-mouse mode".
void DrawKeyboardMouse(QPainter& painter, QPointF centre, const QColor& ink) {
  painter.save();
  painter.translate(centre);
  painter.setPen(QPen(ink, 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(-46, -14, 64, 28), 4, 4);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 7; ++col) {
      painter.drawRoundedRect(QRectF(-42 + col * 8.3, -10 + row * 8, 6, 5.5), 1, 1);
    }
  }
  painter.drawRoundedRect(QRectF(-30, 6.5, 32, 4.5), 1, 1);
  painter.setPen(QPen(ink, 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(28, -14, 18, 28), 9, 9);
  painter.drawLine(QPointF(37, -14), QPointF(37, -3));
  painter.restore();
}

void DrawControlMenu(QPainter& painter, const HandheldModel& model, CardState state) {
  const qreal shift = DrawCard(painter, state);
  painter.save();
  FitHandheld(painter, model, QRectF(22, 34 + shift, 256, 170));
  PaintHandheldFront(painter, model, false);
  painter.restore();
  const QColor ink = state == CardState::kNormal ? theme::kTextDim : theme::kAccent;
  DrawKeyboardMouse(painter, QPointF(150, 246 + shift), ink);
}

void DrawBackMenu(QPainter& painter, const HandheldModel& model, CardState state) {
  const qreal shift = DrawCard(painter, state);
  // Badges and lines are drawn in the card's logical pixels, outside the fit.
  const QTransform toCard = HandheldFit(model, QRectF(22, 40 + shift, 256, 180));
  painter.save();
  painter.setTransform(toCard, true);
  PaintHandheldRear(painter, model);
  painter.restore();
  const QPointF left = toCard.map(RearButtonPoint(model, true));
  const QPointF right = toCard.map(RearButtonPoint(model, false));
  DrawBadge(painter, QPointF(left.x(), 250 + shift), QStringLiteral("L4"), 15);
  DrawBadge(painter, QPointF(right.x(), 250 + shift), QStringLiteral("R4"), 15);
  QColor line = theme::kAccent;
  line.setAlpha(0xA0);
  painter.setPen(QPen(line, 1.3));
  painter.drawLine(left, QPointF(left.x(), 238 + shift));
  painter.drawLine(right, QPointF(right.x(), 238 + shift));
}

void DrawBackPage(QPainter& painter, const HandheldModel& model) {
  // Badges and leader lines are drawn in the page's logical pixels, outside the fit.
  const QTransform toPage = HandheldFit(model, QRectF(50, 30, 380, 270));
  painter.save();
  painter.setTransform(toPage, true);
  PaintHandheldRear(painter, model);
  painter.restore();
  // Leader lines from each rear button out to its step chain beside the picture.
  QColor line = theme::kAccent;
  line.setAlpha(0xB0);
  for (bool left : {true, false}) {
    const QPointF p = toPage.map(RearButtonPoint(model, left));
    const QPointF badge(p.x(), 348);
    painter.setPen(QPen(line, 1.3));
    painter.drawLine(p, QPointF(p.x(), badge.y() - 12));
    const qreal edge = left ? 2 : 478;
    painter.drawLine(QPointF(left ? p.x() - 22 : p.x() + 22, badge.y()), QPointF(edge, badge.y()));
    DrawBadge(painter, badge, left ? QStringLiteral("L4") : QStringLiteral("R4"), 14);
  }
}

void AddDevice(PictureSink& sink, const DeviceNames& names) {
  const HandheldModel& model = names.model;
  const struct {
    const char* word;
    CardState state;
  } states[] = {
      {"nor", CardState::kNormal}, {"hot", CardState::kHot}, {"press", CardState::kPressed}};
  for (const auto& s : states) {
    const CardState state = s.state;
    sink.Add(names.backMenu.arg(QLatin1String(s.word)), kMenuSize,
             [&model, state](QPainter& p) { DrawBackMenu(p, model, state); });
    sink.Add(names.controlMenu.arg(QLatin1String(s.word)), kMenuSize,
             [&model, state](QPainter& p) { DrawControlMenu(p, model, state); });
  }
  sink.Add(names.controlPage, kControlPageSize,
           [&model](QPainter& p) { PaintHandheldFront(p, model, true); });
  sink.Add(names.backPage, kBackPageSize, [&model](QPainter& p) { DrawBackPage(p, model); });
}

}  // namespace

void AddDevicePictures(PictureSink& sink) {
  const DeviceNames devices[] = {
      {Layout1Model(), QStringLiteral("BackKeybtn_%1_New.png"),
       QStringLiteral("ControlKey_%1_New.png"), QStringLiteral("BackKeyNewBK.png"),
       QStringLiteral("ControlKeyNewBK.png")},
      {Layout2Model(), QStringLiteral("T2802_21_MacroBtn_%1.png"),
       QStringLiteral("T2802_21_MappingKey_%1.png"), QStringLiteral("T2802-21_MacroKeyBK.png"),
       QStringLiteral("T2802-21_MappingKeyBK.png")},
      {Layout3Model(), QStringLiteral("T2803_31_BackKeybtn_%1.png"),
       QStringLiteral("T2803_31_ControlKey_%1.png"), QStringLiteral("BackKeyBK_T2803_31.png"),
       QStringLiteral("CtrlKeyBK_T2803_31.png")},
      {GenericModel(), QStringLiteral("BackKeybtn_%1_Generic.png"),
       QStringLiteral("ControlKey_%1_Generic.png"), QStringLiteral("BackKeyBK_Generic.png"),
       QStringLiteral("ControlKeyBK_Generic.png")},
  };
  for (const DeviceNames& names : devices) AddDevice(sink, names);
}
