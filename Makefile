# Tarvo: `make` builds everything into build/, `make run` plays the demo, `make test` runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup configure run test sanitize bench golden contact-sheet programme-sheet clean install deb

all: configure
	cmake --build $(BUILD) -j $(JOBS)

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

run: all
	$(BUILD)/runtime/tarvo $(ARGS)

# Each pass ends with its ten slowest tests, so that a test that grows is noticed.
test: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS); status=$$?; \
	  $(CURDIR)/tests/slowest-tests.sh . release; exit $$status
	$(MAKE) sanitize

# The same tests once more under AddressSanitizer and UndefinedBehaviorSanitizer. LeakSanitizer is
# kept from following dynamic TLS: with Mesa's OpenGL ES libraries loaded it recorded a block at a
# bogus address and crashed reading it at exit (under ctest, every time).
sanitize: setup
	@cmake -S . -B $(BUILD)/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON >/dev/null
	cmake --build $(BUILD)/sanitize -j $(JOBS)
	cd $(BUILD)/sanitize && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ASAN_OPTIONS=intercept_tls_get_addr=0 ctest --output-on-failure -j $(JOBS); status=$$?; \
	  $(CURDIR)/tests/slowest-tests.sh . sanitize; exit $$status

clean:
	rm -rf $(BUILD)

# Speed figures of the heavy steps on the headless backend (llvmpipe), and of recording the whole
# programme as video (minutes of every core): for comparing changes on one machine, never pass or fail.
bench: all
	$(BUILD)/bench/tarvo_bench
	bench/capture.sh $(BUILD)

# Renders the reference frames of the golden tests anew; look at tests/golden/*.png before committing.
golden: all
	cd $(BUILD)/tests && TARVO_UPDATE_GOLDEN=1 ./golden_test

# Draws docs/resources.png: every generated picture with its id.
contact-sheet: configure
	cmake --build $(BUILD) --target contact-sheet

# Draws docs/programme.png: a frame of the programme every 5 s, labelled with its time.
programme-sheet: all
	scripts/programme-sheet.sh $(BUILD)/tools/tarvo-capture docs/programme.png

# The Windows build: dist/tarvo.exe, a 32-bit GUI executable cross-built with mingw-w64 against a
# libopenmpt built once into MINGW_PREFIX, embedding the pictures and music that the native build
# generates; and dist/tarvo-windows.zip, the executable with a text for Windows users.
.PHONY: windows test-windows
MINGW_PREFIX ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/tarvo/mingw
WINDOWS_BUILD = $(BUILD)/windows

windows: configure
	@scripts/setup-windows.sh
	@scripts/build-libopenmpt.sh mingw $(MINGW_PREFIX)
	cmake --build $(BUILD) --target tarvo_assets_generated -j $(JOBS)
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DTARVO_MINGW_PREFIX=$(MINGW_PREFIX) -DTARVO_ASSET_DIR=$(abspath $(BUILD))/assets >/dev/null
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@mkdir -p dist
	cp $(WINDOWS_BUILD)/platform/win32/tarvo.exe dist/tarvo.exe
	sed -e "s/@VERSION@/$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(WINDOWS_BUILD)/CMakeCache.txt)/" -e 's/$$/\r/' \
	  platform/win32/README.txt >$(WINDOWS_BUILD)/README.txt
	rm -f dist/tarvo-windows.zip
	zip -jqX dist/tarvo-windows.zip dist/tarvo.exe $(WINDOWS_BUILD)/README.txt

# The Windows executable's imports, and the executable itself under wine on Xvfb.
test-windows: windows
	tests/windows/check_imports.sh dist/tarvo.exe
	tests/windows/wine_e2e.sh dist/tarvo.exe $(WINDOWS_BUILD)/wine-test

# The web build: dist/web/ (index.html, tarvo.js, tarvo.wasm, favicon.ico), the engine compiled to WebAssembly
# by Emscripten against a libopenmpt built once into WASM_PREFIX, drawing on WebGL 2 through the
# fixed-function layer and embedding the pictures and music that the native build generates.
# emcc runs on Debian's node modules, whatever node is first on the PATH.
.PHONY: web serve-web
WASM_PREFIX ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/tarvo/wasm
WEB_BUILD = $(BUILD)/web
PORT ?= 8080

web: export NODE_PATH = /usr/share/nodejs
web: configure
	@scripts/setup-web.sh
	@scripts/build-libopenmpt.sh wasm $(WASM_PREFIX)
	cmake --build $(BUILD) --target tarvo_assets_generated embed_resources -j $(JOBS)
	@emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DTARVO_WASM_PREFIX=$(WASM_PREFIX) \
	  -DTARVO_ASSET_DIR=$(abspath $(BUILD))/assets -DTARVO_EMBED_RESOURCES=$(abspath $(BUILD))/resources/embed_resources >/dev/null
	cmake --build $(WEB_BUILD) -j $(JOBS)
	@mkdir -p dist/web
	cp $(addprefix $(WEB_BUILD)/platform/web/,index.html audio-output.js tarvo.js tarvo.wasm) dist/web/
	cp $(BUILD)/assets/143.ico dist/web/favicon.ico

# Serves the page on http://127.0.0.1:PORT/ for a look in a browser.
serve-web: web
	@echo "Tarvo at http://127.0.0.1:$(PORT)/"
	cd dist/web && python3 -m http.server --bind 127.0.0.1 $(PORT)

# The web tests' and bench's node packages (puppeteer-core), as the lock file in tests/web pins them.
.PHONY: web-test-packages
web-test-packages:
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null

# The page in headless Chromium and in Firefox on Xvfb (Debian's, driven by puppeteer-core) from a
# server on 127.0.0.1: the start screen, the question, the sound, Escape and play-again, and the
# page's frames at a few times of the programme against the native frames of the same times.
# Screenshots land in $(BUILD)/tests/web-frames/BROWSER.
.PHONY: test-web
test-web: web web-test-packages
	cmake --build $(BUILD) -j $(JOBS) --target tarvo-capture web_frame_compare
	timeout 600 node tests/web/web_test.js dist/web $(BUILD)

# The programme's frame rate per stretch natively on real OpenGL and on the fixed-function layer
# (the engine as the web build makes it, over Mesa's OpenGL ES 3), with the layer's GLES calls and
# draws per frame: a speed figure, never pass or fail.
.PHONY: bench-layer
bench-layer: configure
	cmake --build $(BUILD) -j $(JOBS) --target tarvo_stretch_rates tarvo_stretch_rates_fixedgl
	$(BUILD)/bench/tarvo_stretch_rates
	$(BUILD)/bench/tarvo_stretch_rates_fixedgl

# The page's frame rate per stretch in headless Chromium beside the native engine's, drawing as
# fast as each can: a speed figure, never pass or fail.
.PHONY: bench-web
bench-web: web web-test-packages
	cmake --build $(BUILD) -j $(JOBS) --target tarvo_programme_rate
	node bench/web_frame_rate.js dist/web $(BUILD)

# Installs tarvo, tarvo-capture, the desktop entry, icon, metadata and manual pages under PREFIX
# (below DESTDIR when set): sudo make install, or make install PREFIX=$HOME/.local.
PREFIX ?= /usr/local
INSTALLED = tarvo tarvo-capture tarvo_linux_files

install: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(INSTALLED)
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# dist/tarvo_VERSION_amd64.deb: a Release build with Debian's hardening flags, packaged by CPack
# from the same install rules; neither the package nor `make install` needs the tests built.
DEB_BUILD = $(BUILD)/deb

deb: setup
	@cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	  -DCMAKE_C_FLAGS="$$(dpkg-buildflags --get CFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	cmake --build $(DEB_BUILD) -j $(JOBS) --target $(INSTALLED)
	rm -rf $(DEB_BUILD)/packages
	cd $(DEB_BUILD) && cpack -B packages
	@mkdir -p dist
	cp $(DEB_BUILD)/packages/tarvo_*.deb dist/
