# Pennatran: the two commands that matter are `make demo` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
WEB_BUILD ?= build-web
WEB_DIST ?= web/dist
FUZZ_SECONDS ?= 60
FUZZER ?= load_fuzzer
CMAKE_FLAGS ?=

PREFIX ?= /usr/local

# Every Debian package the project needs, in one list.
PACKAGES := build-essential cmake pkg-config git python3 python3-jsonschema \
  qt6-base-dev libicu-dev libcli11-dev nlohmann-json3-dev libfmt-dev libgtest-dev libgmock-dev \
  libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth imagemagick \
  clang clang-format libclang-rt-14-dev desktop-file-utils lintian xdg-utils libfile-mimeinfo-perl \
  shared-mime-info dpkg-dev emscripten node-acorn chromium qt6-l10n-tools qt6-tools-dev \
  qt6-translations-l10n appstream

.PHONY: format-check all deps build build-asan test test-normal test-asan test-package demo run screenshot \
  bench fuzz clean format install package web web-build web-serve test-web web-screenshot translations

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  SUDO=$$( [ "$$(id -u)" = 0 ] || echo sudo ); \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	  fc-cache -f >/dev/null 2>&1 || true; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENNATRAN_WERROR=ON $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPENNATRAN_SANITIZE=ON -DPENNATRAN_BENCH=OFF \
	  -DPENNATRAN_WERROR=ON $(CMAKE_FLAGS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-normal: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test-package: package
	bash packaging/check_package.sh $(BUILD)

test: test-normal test-asan test-package

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	rm -f $(BUILD)/pennatran_*.deb
	cd $(BUILD) && cpack -G DEB

# Refreshes translations/*.ts from the sources: new texts appear there unfinished.
translations: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target update_translations

demo: build
	@bash tools/demo.sh $(BUILD)

run: build
	./$(BUILD)/pennatran

screenshot: build
	@bash tools/screenshot.sh $(BUILD)

bench: build web
	@bash tools/bench.sh $(BUILD) $(WEB_BUILD) $(WEB_DIST)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPENNATRAN_FUZZ=ON -DPENNATRAN_GUI=OFF -DPENNATRAN_BENCH=OFF -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZER)

# Emscripten's JavaScript optimizer needs acorn. Debian's package brings its system
# libraries already built.
WEB_ENV := NODE_PATH=/usr/share/nodejs

# The browser build takes its text tables from the native build's ICU (gen_text_tables).
$(WEB_BUILD)/CMakeCache.txt:
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DPENNATRAN_WEB=ON \
	  -DPENNATRAN_GUI=OFF -DPENNATRAN_BENCH=OFF -DPENNATRAN_WERROR=ON \
	  -DPENNATRAN_TEXT_TABLES_TOOL=$(CURDIR)/$(BUILD)/gen_text_tables

web-build: build $(WEB_BUILD)/CMakeCache.txt
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

web: web-build
	rm -rf $(WEB_DIST)
	mkdir -p $(WEB_DIST)
	cp $(WEB_BUILD)/pennatran-worker.js $(WEB_DIST)/
	if [ -d web/page ]; then cp -r web/page/. $(WEB_DIST)/; fi
	cp packaging/icons/pennatran.svg $(WEB_DIST)/
	# The zip writer of the page's folder fallback: fflate from npm at the version that
	# web/package-lock.json pins, shipped with its licence.
	cd web && npm ci --no-audit --no-fund --loglevel=error
	cp web/node_modules/fflate/umd/index.js $(WEB_DIST)/fflate.js
	cp web/node_modules/fflate/LICENSE $(WEB_DIST)/fflate-LICENSE.txt
	@bash tools/web_size.sh $(WEB_DIST)

web-serve: web
	python3 -m http.server --bind 127.0.0.1 --directory $(WEB_DIST) 8000

# The browser build must print the native build's texts and load and save alike; the page,
# driven in the system's Chromium, must save and preview what pennatran-cli does. npm is
# tested as a command: the machine's own Node.js brings it.
WEB_TEST := command -v npm >/dev/null && cd web/tests && npm ci --no-audit --no-fund \
  --loglevel=error && PENNATRAN_CLI=$(CURDIR)/$(BUILD)/pennatran-cli

test-web: web
	bash tools/web_identity.sh $(BUILD) $(WEB_BUILD)
	$(WEB_TEST) node --test page.test.mjs office.test.mjs

# Redraws docs/web-page.png and docs/web-audit.png from the example drawings while the browser
# tests run.
web-screenshot: web
	$(WEB_TEST) PENNATRAN_SCREENSHOT=$(CURDIR)/docs/web-page.png \
	  PENNATRAN_AUDIT_SCREENSHOT=$(CURDIR)/docs/web-audit.png node --test page.test.mjs office.test.mjs

# The tracked sources as clang-format lays them out; CI fails on any difference.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WEB_BUILD) $(WEB_DIST)
