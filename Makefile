.PHONY: test demo dist setup fuzz bench clean

test: setup
	scripts/test

# HEADLESS=1 runs the scenario by itself even where there is a display.
demo: setup
	HEADLESS=$(HEADLESS) scripts/demo

# The installers in build/dist/: the shipped x86 one from the i686 build, and the amd64 one
# of the x86_64 build that the tests install under Wine.
dist: setup
	scripts/dist

setup:
	scripts/setup

# FUZZ_SECONDS=n runs each fuzz target for n seconds instead of 60.
fuzz:
	scripts/fuzz $(FUZZ_SECONDS)

# Benchmarks: the native ones on an optimised build without sanitizers, the whole program
# under Wine on the win64 build; the figures ("name=value") come last.
bench: setup
	scripts/bench

clean:
	rm -rf build
