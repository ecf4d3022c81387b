# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# The fuzz targets: each has a fuzzer (fuzz_NAME.cpp), a seed corpus
# (corpus/NAME) and a replay test that runs the corpus once with any compiler.
set(ZELMO_FUZZ_TARGETS sitefile readnumber numbertext)
