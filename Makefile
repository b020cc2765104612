# make run: build, then start the program (under Wine on Linux).
# make test: build both targets, then run every test.
PRESETS := i686 x86_64
WINE_PREFIX := build/x86_64/wineprefix

.PHONY: all deps build run test art release screenshots bench clean
all: build

deps:
	@tools/install-deps

build: deps
	@for p in $(PRESETS); do \
	    cmake --preset $$p >/dev/null && env -u MAKEFLAGS -u MFLAGS cmake --build --preset $$p -j2 -- --no-print-directory || exit 1; \
	done

run: build
	@tools/with-display tools/run-program build/x86_64/Vidange.exe

test: build
	@tools/with-display ctest --preset x86_64

art:
	@resources/art/render.sh

# The 32-bit release exe and its SHA-256 in dist/.
release: deps
	@cmake --preset i686 >/dev/null && env -u MAKEFLAGS -u MFLAGS cmake --build --preset i686 -j2 -- --no-print-directory
	@mkdir -p dist && cp build/i686/Vidange.exe dist/
	@cd dist && sha256sum Vidange.exe | tee Vidange.exe.sha256

# Start-up, response, memory and size against a bare one-window program.
bench: build
	@tools/with-display tools/bench

# PNGs of the three windows in docs/.
screenshots: build
	@tools/with-display tools/screenshots

clean:
	rm -rf build dist
