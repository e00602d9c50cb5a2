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

# Benchmarks run on an optimised build without sanitizers.
bench: setup
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	build/bench/bench/bench_replace

clean:
	rm -rf build
