# The two commands: `make demo` runs the survey in the sample host, `make test` runs every
# test. Both first install what a fresh Debian 12 machine lacks (as root).
.PHONY: all deps native win32 test demo clean

all: native win32

deps:
	@./tools/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

test: native win32
	ctest --preset native
	ctest --preset win32

demo: all
	./tools/demo.sh build/win32

clean:
	rm -rf build
