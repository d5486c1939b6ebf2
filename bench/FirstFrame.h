#pragma once

class QWidget;

/// Once `window` has painted its first frame, prints the wall-clock time of that moment
/// ("first-frame-ns N") and the process's peak memory ("peak-rss-kib N"), and quits.
void ReportFirstFrame(QWidget& window);
