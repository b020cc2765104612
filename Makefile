# make run: build, then start the program (under Wine on Linux).
# make test: build both targets, then run every test.
PRESETS := i686 x86_64
WINE_PREFIX := build/x86_64/wineprefix

.PHONY: all deps build run test art clean
all: build

deps:
	@tools/install-deps

build: deps
	@for p in $(PRESETS); do \
	    cmake --preset $$p >/dev/null && env -u MAKEFLAGS -u MFLAGS cmake --build --preset $$p -j2 || exit 1; \
	done

run: build
	@tools/with-display tools/run-program build/x86_64/Vidange.exe

test: build
	@tools/with-display ctest --preset x86_64

art:
	@resources/art/render.sh

clean:
	rm -rf build dist
