#pragma once

/// Maps the design fonts to free fonts that look alike, where the design fonts are missing.
void InstallFontSubstitutions();
