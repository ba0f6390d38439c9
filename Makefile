# The two commands a user needs: `make run` and `make test`.
.PHONY: deps run test test-host test-win64 build-win32 package clean screenshots fuzz

JOBS ?= 2
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps

build/win64/build.ninja: | deps
	cmake --preset win64 >/dev/null

run: deps build/win64/build.ninja
	cmake --build --preset win64 -j $(JOBS) --target wrenfold helpfile
	scripts/run $(CURDIR)/build/win64/src/app/wrenfold.exe $(CURDIR)/build/win64

test-host: deps
	cmake --preset host >/dev/null
	cmake --build --preset host -j $(JOBS)
	ctest --preset host

test-win64: deps build/win64/build.ninja
	cmake --build --preset win64 -j $(JOBS)
	ctest --preset win64 -j $(JOBS)

build-win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS)
	scripts/check-imports build/win32/src/app/wrenfold.exe

# The i686 build first, so the run ends on the test summaries.
test: build-win32 test-host test-win64

package: deps build/win64/build.ninja
	cmake --build --preset win64 -j $(JOBS)
	cd build/win64 && cpack -G ZIP

# The help's pictures: the end-to-end run's shots, each cut to its window.
screenshots: deps build/win64/build.ninja
	cmake --build --preset win64 -j $(JOBS) --target wrenfold window_texts
	ctest --preset win64 -R e2e --output-on-failure
	scripts/help-screenshots build/win64/e2e docs/help

# Never part of `make test`: each fuzz target for FUZZ_SECONDS, clang only here.
fuzz:
	@scripts/install-deps clang libclang-rt-14-dev
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
