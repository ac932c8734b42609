# Tarvo: `make` builds everything into build/, `make run` plays the demo, `make test` runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup configure run test sanitize golden contact-sheet programme-sheet clean

all: configure
	cmake --build $(BUILD) -j $(JOBS)

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

run: all
	$(BUILD)/runtime/tarvo

test: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) sanitize

# The same tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	@cmake -S . -B $(BUILD)/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON >/dev/null
	cmake --build $(BUILD)/sanitize -j $(JOBS)
	cd $(BUILD)/sanitize && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# Renders the reference frames of the golden tests anew; look at tests/golden/*.png before committing.
golden: all
	cd $(BUILD)/tests && TARVO_UPDATE_GOLDEN=1 ./golden_test

# Draws docs/resources.png: every generated picture with its id.
contact-sheet: configure
	cmake --build $(BUILD) --target contact-sheet

# Draws docs/programme.png: a frame of the programme every 5 s, labelled with its time.
programme-sheet: all
	scripts/programme-sheet.sh $(BUILD)/tools/tarvo-capture docs/programme.png
