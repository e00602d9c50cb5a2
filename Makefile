.PHONY: test setup build fuzz bench clean

test: setup
	scripts/test

setup:
	scripts/setup

fuzz:
	scripts/setup fuzz
	scripts/fuzz

bench: setup
	cmake --preset native >/dev/null && cmake --build --preset native --target bench_replace
	build/native/bench/bench_replace

clean:
	rm -rf build
