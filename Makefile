# The two commands: `make demo` runs the survey in the sample host, `make test` runs every
# test. Both first install what a fresh Debian 12 machine lacks (as root).
#
# Where the kernel cannot run 32-bit programs (some virtual machines), wine32 cannot start:
# the PE32 build is still made and its files checked, and the Windows tests and the demo
# run on the x86-64 build of the same sources under wine64 instead.
.PHONY: all deps native win32 win64 test demo dist bench clean

WINE32_RUNS = ./tools/wine32-runs.sh

all: native win32

deps:
	@./tools/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

win32: deps
	cmake --preset win32 -DSURVEY_WINE_TESTS=$$($(WINE32_RUNS) && echo ON || echo OFF) >/dev/null
	cmake --build --preset win32

win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

test: native win32
	ctest --preset native
	ctest --preset win32
	@if ! $(WINE32_RUNS); then \
	  echo "make test: this kernel cannot run 32-bit programs, so wine32 cannot start;"; \
	  echo "make test: the Windows tests run on the x86-64 build under wine64 instead."; \
	  $(MAKE) --no-print-directory win64 && ctest --preset win64; \
	fi

demo: all
	@if $(WINE32_RUNS); then ./tools/demo.sh build/win32; else \
	  echo "demo: this kernel cannot run 32-bit programs: the x86-64 build runs under wine64."; \
	  $(MAKE) --no-print-directory win64 && SURVEY_WINE_ARCH=win64 ./tools/demo.sh build/win64; fi

# Figures, never pass/fail on time: the DLL's size and imports, the 1000-survey soak.
bench: win32
	@if ! $(WINE32_RUNS); then $(MAKE) --no-print-directory win64; fi
	./tools/bench.sh

# The host kit: dist/survey-<version>/ (see README, "Hosting the survey").
dist: win32
	./tools/make-dist.sh build/win32 dist

clean:
	rm -rf build dist
