#pragma once
// The two faces the pages are set in, and whether the system draws them with
// faces of the same metrics (their own, or the free faces made to match them).

#include <QFont>

enum class Face { Mono, Serif };

// The face in its given style, unsized.
QFont faceFont(Face face, bool italic);

// The family the page asks for, and the free family with the same metrics.
QString requestedFamily(Face face);
QString metricTwin(Face face);

// True when the face resolves to its own family or to its metric twin, so
// that the page's positions hold.
bool hasPageMetrics(Face face, bool italic);
