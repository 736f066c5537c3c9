// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRectF>

#include "handheld_model.h"

// Front of the handheld in the model's own coordinates (the 960x390 control-key picture).
// With `callouts` the leader lines from the key buttons' places to their controls are drawn too.
void PaintHandheldFront(QPainter& painter, const HandheldModel& model, bool callouts);

// Rear of the handheld, drawn as seen through the device while holding it (left grip on the
// left), with the two rear buttons lit and marked L4 and R4.
void PaintHandheldRear(QPainter& painter, const HandheldModel& model);

// Maps the model's bounds (shell plus a margin for the shoulder buttons) into `target`,
// keeping the proportions and centring. The transform alone maps model points into the
// picture's logical pixels, whatever scale the painter draws at.
QTransform HandheldFit(const HandheldModel& model, const QRectF& target);
// Applies that transform on top of the painter's own.
void FitHandheld(QPainter& painter, const HandheldModel& model, const QRectF& target);

// Positions of the rear buttons in model coordinates, for labels drawn outside the fit.
QPointF RearButtonPoint(const HandheldModel& model, bool left);
