#pragma once
// What the editor remembers for the whole run, across its openings: the armed
// tool, a circle's pending leader and the last chosen codes.

#include <QPoint>
#include <QString>

enum class PlacementTool { None, Callout, Plane, Section, Arrow, Circle };

struct EditorState {
    PlacementTool armedTool = PlacementTool::None;
    bool leaderPending = false;
    QPoint pressPoint;
    QPoint currentPoint;
    double circleRadius = 0;
    QPoint leaderStart;
    // "CX*CY*R" of the circle whose leader is pending.
    QString pendingCircleText;
    int directionCode = 0;
    int placementCode = 0;
};

extern EditorState editorState;

void resetEditorState();
